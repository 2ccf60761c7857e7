# Windows programs are built with mingw-w64 and linked statically, so that
# Autorun.exe runs from a disc on a machine that has nothing installed.
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX WIN32_LEAN_AND_MEAN STRICT)
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -O coff")
enable_language(RC)
