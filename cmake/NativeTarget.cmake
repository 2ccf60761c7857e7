# The portable core builds on Linux too, tested under AddressSanitizer and UBSan.
option(MENUWRIGHT_SANITIZE "Build with ASan and UBSan" ON)
if(MENUWRIGHT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# With clang, MENUWRIGHT_LIBFUZZER builds the libFuzzer fuzzers; everything
# they reach is instrumented for coverage.
option(MENUWRIGHT_LIBFUZZER "Build the libFuzzer fuzzers (clang only)" OFF)
if(MENUWRIGHT_LIBFUZZER)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
