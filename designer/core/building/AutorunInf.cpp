#include "AutorunInf.h"

#include "DiscSettings.h"
#include "util/TextCase.h"

namespace {

// Stored names begin with a backslash; the file names them from the root.
std::string WithoutFirstCharacter(const std::string& name) { return name.empty() ? name : name.substr(1); }

std::string IconLine(const CSettingsIcon& icon) {
    if (icon.Type != 2 || icon.Filename.empty()) return "icon=Autorun.exe";
    const std::string file = WithoutFirstCharacter(icon.Filename);
    if (EndsWithNoCase(icon.Filename, "DLL") || EndsWithNoCase(icon.Filename, "EXE")) {
        return "icon=" + file + "," + std::to_string(icon.Number);
    }
    return "icon=" + file;
}

}  // namespace

std::string AutorunInfText(const CDiscSettings& project) {
    std::string text;
    const auto line = [&text](const std::string& content) { text += content + "\r\n"; };
    line("[AutoRun]");
    line(IconLine(project.Icon));
    line("open=Autorun.exe");
    if (!project.WindowsLabel.empty()) line("label=" + project.WindowsLabel);
    if (!project.AutoPlayAction.empty()) line("action=" + project.AutoPlayAction);
    line("");
    line("[Content]");
    line("MusicFiles=false");
    line("PictureFiles=false");
    line("VideoFiles=false");
    line("");
    line("[IgnoreContentPaths]");
    line("\\");
    line("");
    line("[DeviceInstall]");
    for (int i = 0; i < project.Driver.DirectoryCount(); ++i) {
        line("DriverPath=" + WithoutFirstCharacter(project.Driver.GetDirectory(i)));
    }
    return text;
}
