// The main of every Windows test program. Once the results are printed the
// process ends at once: under Wine a program that has driven windows from
// several threads can block for minutes in its DLL shutdown, long after
// every test has passed.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), UINT(result));
    return result;
}
