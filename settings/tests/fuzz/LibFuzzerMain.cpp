// Entry point for clang's libFuzzer: cmake -DMENUWRIGHT_LIBFUZZER=ON with clang.
#include "SettingsFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LoadSettingsFromBytes(data, size);
    return 0;
}
