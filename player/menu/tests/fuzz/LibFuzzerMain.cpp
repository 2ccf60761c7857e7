// Entry point for clang's libFuzzer: cmake -DMENUWRIGHT_LIBFUZZER=ON with clang.
#include "LayoutFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LayOutMenusFromBytes(data, size);
    return 0;
}
