// Stands in for the program that opens a file type; the tests read its
// version resource (or its lack of one) through the file type association.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
