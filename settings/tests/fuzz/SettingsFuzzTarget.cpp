#include "SettingsFuzzTarget.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "DiscSettings.h"

namespace {

size_t Walk(const CSettingsList& list) {
    size_t total = 0;
    for (const auto& record : list) {
        total += record->GetName().size() + record->GetSection().size();
        if (CSettingsList* child = CSettingsList::ChildListOf(*record)) total += Walk(*child);
    }
    return total;
}

const std::string& ScratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("mw-fuzz-" + std::to_string(::getpid()) + ".ini")).string();
    return path;
}

}  // namespace

void LoadSettingsFromBytes(const std::uint8_t* data, std::size_t size,
                           const std::function<void(const CDiscSettings&)>& use) {
    const std::string& path = ScratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    CDiscSettings disc;
    disc.SetFileName(path);
    disc.Load();
    volatile size_t sink = Walk(disc.RootList) + disc.Driver.DirectoryCount() + disc.CdID.size();
    (void)sink;
    if (use) use(disc);
}
