# The portable core builds on Linux too, tested under AddressSanitizer and UBSan.
option(MENUWRIGHT_SANITIZE "Build with ASan and UBSan" ON)
if(MENUWRIGHT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
