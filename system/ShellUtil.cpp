#include "ShellUtil.h"

#include "LateOle.h"

#include <shellapi.h>

#include <string>

#include "FileUtil.h"
#include "Handles.h"
#include "LinkErrors.h"
#include "MessageBox.h"
#include "ProcessUtil.h"
#include "RegistryUtil.h"
#include "ResourceString.h"
#include "util/LinkCommand.h"
#include "util/PathNames.h"
#include "util/RegistryPath.h"
#include "util/ShellResult.h"
#include "ValueEncoding.h"

namespace {

const char* VerbName(int verb) {
    switch (verb) {
        case kShellOpen: return "open";
        case kShellPrint: return "print";
        case kShellExplore: return "explore";
        default: return nullptr;
    }
}

bool FindExecutableFor(const std::string& file, const std::string& directory, std::string& program) {
    char found[MAX_PATH + 1] = {};
    INT_PTR result = INT_PTR(wingui::late::FindExecutable(file.c_str(), directory.empty() ? nullptr : directory.c_str(), found));
    if (!IsShellSuccess(result)) return false;
    found[MAX_PATH] = '\0';
    program = found;
    return true;
}

std::string TemporaryDirectory() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(DWORD(sizeof(buffer)), buffer);
    if (length == 0 || length >= sizeof(buffer)) return std::string();
    return AppendBackslash(std::string(buffer, length));
}

// The default value of a key below HKEY_CLASSES_ROOT, at most 259 characters.
bool ReadClassesRootDefault(const std::string& subKey, std::string& value) {
    wingui::RegKey key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    char data[MAX_PATH] = {};
    DWORD size = sizeof(data);
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    value = TextFromRegistryData(data, size);
    return !value.empty();
}

UINT LinkErrorId(INT_PTR code) {
    switch (code) {
        case 0: return IDS_LINK_ERROR_OUT_OF_RESOURCES;
        case ERROR_FILE_NOT_FOUND: return IDS_LINK_ERROR_FILE_NOT_FOUND;
        case ERROR_PATH_NOT_FOUND: return IDS_LINK_ERROR_PATH_NOT_FOUND;
        case SE_ERR_ACCESSDENIED: return IDS_LINK_ERROR_ACCESS_DENIED;
        case SE_ERR_OOM: return IDS_LINK_ERROR_OUT_OF_MEMORY;
        case ERROR_BAD_FORMAT: return IDS_LINK_ERROR_BAD_FORMAT;
        case SE_ERR_SHARE: return IDS_LINK_ERROR_SHARE;
        case SE_ERR_ASSOCINCOMPLETE: return IDS_LINK_ERROR_ASSOCIATION_INCOMPLETE;
        case SE_ERR_DDETIMEOUT: return IDS_LINK_ERROR_DDE_TIMEOUT;
        case SE_ERR_DDEFAIL: return IDS_LINK_ERROR_DDE_FAIL;
        case SE_ERR_DDEBUSY: return IDS_LINK_ERROR_DDE_BUSY;
        case SE_ERR_NOASSOC: return IDS_LINK_ERROR_NO_ASSOCIATION;
        case SE_ERR_DLLNOTFOUND: return IDS_LINK_ERROR_DLL_NOT_FOUND;
        default: return IDS_LINK_ERROR_UNKNOWN;
    }
}

}  // namespace

ShellCalls& TheShellCalls() {
    static ShellCalls calls;
    return calls;
}

bool ShellRun(HWND parent, const std::string& target, const std::string& parameters,
              const std::string& workingDirectory, bool wait, bool maximize, bool disableParent, int verb) {
    const char* verbName = VerbName(verb);
    if (!verbName) return false;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT;
    info.hwnd = parent;
    info.lpVerb = verbName;
    info.lpFile = target.c_str();
    // An installer package opened through the shell takes its switches
    // ("/quiet") and its folder from here, as a program started directly does.
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    info.nShow = verb == kShellPrint ? SW_HIDE : (maximize ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    // The shell's handlers may need OLE on the calling thread.
    wingui::ole::EnsureUiThreadOle();
    BOOL executed = TheShellCalls().executeEx(&info);
    wingui::KernelHandle process(info.hProcess);
    if (!executed || !IsShellSuccess(INT_PTR(info.hInstApp))) return false;
    if (wait && process) WaitForProcess(parent, process.Get(), disableParent);
    return true;
}

bool FindProgramForDocument(const std::string& documentPath, std::string& program) {
    size_t slash = documentPath.rfind('\\');
    if (slash == std::string::npos) return FindExecutableFor(documentPath, std::string(), program);
    return FindExecutableFor(documentPath.substr(slash + 1), documentPath.substr(0, slash), program);
}

bool FindProgramForExtension(const std::string& extension, std::string& program) {
    if (!IsSafeExtension(extension)) return false;
    std::string directory = TemporaryDirectory();
    if (directory.empty()) return false;
    std::string file = directory + "xyzyxz123123." + extension;
    if (!CreateEmptyFile(file)) return false;
    bool found = FindExecutableFor(file, std::string(), program);
    DeleteFileA(file.c_str());
    return found;
}

INT_PTR OpenLink(const std::string& address) {
    wingui::ole::EnsureUiThreadOle();
    INT_PTR result = INT_PTR(TheShellCalls().execute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (IsShellSuccess(result)) return result;
    std::string documentType;
    std::string command;
    if (!ReadClassesRootDefault(".htm", documentType) ||
        !ReadClassesRootDefault(documentType + "\\shell\\open\\command", command)) {
        return result;
    }
    return INT_PTR(TheShellCalls().winExec(BuildBrowserCommand(command, address).c_str(), SW_SHOWNORMAL));
}

std::string LinkErrorText(INT_PTR code) {
    UINT id = LinkErrorId(code);
    std::string text = wingui::LoadResourceString(id);
    if (id == IDS_LINK_ERROR_UNKNOWN) text = ReplaceAll(text, "%d", std::to_string(code));
    return wingui::LoadResourceString(IDS_LINK_ERROR_PREFIX) + text;
}

void ShowLinkError(INT_PTR code, HWND owner) { wingui::ShowMessage(owner, LinkErrorText(code), MB_OK | MB_ICONWARNING); }
