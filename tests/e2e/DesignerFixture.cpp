#include "DesignerFixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>

#include "DialogDriver.h"

namespace designer_e2e {

namespace {

constexpr const char* kVendorKey = "SOFTWARE\\Fernhollow Software\\Menuwright";
constexpr const char* kImageBaseValue = "ImageBaseDir";

std::string DirectoryOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

bool ReadImageBase(std::string& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char buffer[1024] = {};
    DWORD size = sizeof(buffer) - 1;
    const bool read = RegQueryValueExA(key, kImageBaseValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                                       &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (read) value = buffer;
    return read;
}

void WriteImageBase(const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, kImageBaseValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD(value.size() + 1));
    RegCloseKey(key);
}

void DeleteImageBase() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kVendorKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, kImageBaseValue);
    RegCloseKey(key);
}

// One menu ("AutoRun Menu") with one button "Exit" that closes it.
std::string MenuProjectSettings(const std::string& directory) {
    return "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=2\r\nAutorunUpdated=false\r\nTargetDir=" +
           directory +
           "\r\n[Root]\r\nSettingsCount=1\r\n[Root.1]\r\nSettingType=6\r\nName=AutoRun Menu\r\nSettingsCount=1\r\n"
           "[Root.1.1]\r\nSettingType=9\r\nName=Exit\r\nWindowClose=true\r\n";
}

// A remote buffer in the designer's process for the tree's item queries.
class RemoteBuffer {
public:
    explicit RemoteBuffer(HWND window) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    std::string ItemText(HWND tree, HTREEITEM item) {
        if (!memory_) return {};
        char* text = static_cast<char*>(memory_) + sizeof(TVITEMA);
        TVITEMA query{};
        query.mask = TVIF_TEXT;
        query.hItem = item;
        query.pszText = text;
        query.cchTextMax = 260;
        if (!WriteProcessMemory(process_, memory_, &query, sizeof(query), nullptr)) return {};
        SendMessageA(tree, TVM_GETITEMA, 0, LPARAM(memory_));
        char local[261] = {};
        ReadProcessMemory(process_, text, local, 260, nullptr);
        return local;
    }

private:
    static constexpr SIZE_T kSize = sizeof(TVITEMA) + 512;
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, LPARAM(item)));
}

void Walk(HWND tree, HTREEITEM first, int depth, const std::function<void(HTREEITEM, int)>& visit) {
    for (HTREEITEM item = first; item; item = Next(tree, item, TVGN_NEXT)) {
        visit(item, depth);
        Walk(tree, Next(tree, item, TVGN_CHILD), depth + 1, visit);
    }
}

}  // namespace

DesignerDirectory::DesignerDirectory() {
    const std::string program = e2e::BuiltProgram("Menuwright.exe");
    const std::string built = DirectoryOf(program);
    disc_.CopyFileTo(program, "Menuwright.exe");
    for (const char* file : {"Autorun.bin", "BtnClick.wav", "RollOver.wav"}) {
        disc_.CopyFileTo(built + "\\" + file, file);
    }
    hadImageBase_ = ReadImageBase(previousImageBase_);
    CreateDirectoryA(ImageBase().c_str(), nullptr);
    WriteImageBase(ImageBase());
}

DesignerDirectory::~DesignerDirectory() {
    if (hadImageBase_) {
        WriteImageBase(previousImageBase_);
    } else {
        DeleteImageBase();
    }
}

void DesignerDirectory::WriteProjects(const std::vector<std::string>& names, int current) const {
    std::string list = "[General]\r\nCurrent=" + std::to_string(current) + "\r\nCdID=7\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        list += "[" + number + "]\r\nName=" + names[i] + "\r\nDirectory=" + names[i] + "\r\n";
        const std::string target = ImageBase() + names[i];
        CreateDirectoryA(target.c_str(), nullptr);
        WriteFile("ProjectsV3\\" + names[i] + "\\Settings.ini", MenuProjectSettings(target));
    }
    WriteFile("ProjectsV3\\Projects.ini", list);
}

e2e::RunningProgram DesignerDirectory::Start() const { return e2e::RunningProgram::Start(Path("Menuwright.exe")); }

HWND WaitForMainWindow(const e2e::RunningProgram& designer) {
    return designer.WaitForWindow("Discwell", "Menuwright", 30000);
}

HWND WaitForDialog(const e2e::RunningProgram& designer, const char* title) {
    return designer.WaitForWindow("#32770", title, 30000);
}

std::vector<std::string> TreeLines(HWND tree) {
    RemoteBuffer buffer(tree);
    std::vector<std::string> lines;
    Walk(tree, Next(tree, nullptr, TVGN_ROOT), 0, [&](HTREEITEM item, int depth) {
        lines.push_back(std::string(std::size_t(depth) * 2, ' ') + buffer.ItemText(tree, item));
    });
    return lines;
}

std::string SelectedTreeText(HWND tree) {
    HTREEITEM selected = Next(tree, nullptr, TVGN_CARET);
    if (!selected) return {};
    RemoteBuffer buffer(tree);
    return buffer.ItemText(tree, selected);
}

bool SelectTreeNode(HWND tree, const std::string& text) {
    RemoteBuffer buffer(tree);
    HTREEITEM found = nullptr;
    Walk(tree, Next(tree, nullptr, TVGN_ROOT), 0, [&](HTREEITEM item, int) {
        if (!found && buffer.ItemText(tree, item) == text) found = item;
    });
    return found && SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(found));
}

HWND FindControl(HWND mainWindow, int id) {
    for (HWND child : e2e::ChildWindows(mainWindow)) {
        if (GetDlgCtrlID(child) == id && IsWindowVisible(child)) return child;
    }
    for (HWND child : e2e::ChildWindows(mainWindow)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    return nullptr;
}

bool TreeShows(HWND tree, const std::vector<std::string>& expected) {
    return testwin::WaitUntil([&] { return TreeLines(tree) == expected; }, 5000);
}

HWND StepTree(HWND mainWindow) { return FindControl(mainWindow, 1002); }

HWND FormItem(HWND mainWindow, int id) {
    HWND item = nullptr;
    testwin::WaitUntil([&] { return (item = FindControl(mainWindow, id)) != nullptr; });
    return item;
}

void AddActionNamed(const e2e::RunningProgram& designer, HWND mainWindow, const char* entry) {
    constexpr int kAddAction = 1338;
    constexpr int kSettingList = 1341;
    e2e::PressButton(FindControl(mainWindow, kAddAction));
    HWND add = WaitForDialog(designer, "Add Action");
    ASSERT_NE(add, nullptr);
    ASSERT_NE(SendDlgItemMessageA(add, kSettingList, LB_SELECTSTRING, WPARAM(-1), LPARAM(entry)), LB_ERR) << entry;
    e2e::PressDialogButton(add, IDOK);
    ASSERT_TRUE(testwin::WaitForWindowGone(add, 10000));
}

std::string ReadIni(const std::string& file, const std::string& section, const std::string& key) {
    char value[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof(value), file.c_str());
    return value;
}

bool CloseDesigner(e2e::RunningProgram& designer, HWND mainWindow) {
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    // The project is not built: the designer asks once, and closes whatever the answer.
    if (HWND question = designer.WaitForWindow("#32770", "Menuwright", 10000)) {
        e2e::PressDialogButton(question, IDNO);
    }
    return designer.WaitForExit(20000);
}

}  // namespace designer_e2e
