#include "ShellUtil.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Win32TestSupport.h"
#include "util/PathNames.h"
#include "util/TextCase.h"
#include "LinkErrors.h"

namespace {

using namespace wintest;

constexpr const char* kExtension = "mwutiltest";
constexpr const char* kDocumentType = "Menuwright.UtilTestDocument";

LONG SetDefault(const std::string& subKey, const std::string& value) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            DWORD(value.size() + 1));
    RegCloseKey(key);
    return result;
}

bool SameFile(const std::string& a, const std::string& b) {
    char longA[MAX_PATH] = {}, longB[MAX_PATH] = {};
    GetLongPathNameA(a.c_str(), longA, MAX_PATH);
    GetLongPathNameA(b.c_str(), longB, MAX_PATH);
    return lstrcmpiA(longA, longB) == 0;
}

// The test document type is registered in the classes of this prefix (Wine
// keeps them below HKEY_LOCAL_MACHINE): its "open" and "print" commands
// start the helper, which writes a marker beside the document.
class ShellUtil : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string helper = Quoted(HelperProgram());
        ASSERT_EQ(SetDefault(std::string(".") + kExtension, kDocumentType), ERROR_SUCCESS);
        ASSERT_EQ(SetDefault(std::string(kDocumentType) + "\\shell\\open\\command",
                             helper + " --marker \"%1.open\" --exit 0"),
                  ERROR_SUCCESS);
        ASSERT_EQ(SetDefault(std::string(kDocumentType) + "\\shell\\print\\command",
                             helper + " --marker \"%1.print\" --exit 0"),
                  ERROR_SUCCESS);
    }
    static void TearDownTestSuite() {
        for (std::string key : {std::string(".") + kExtension, std::string(kDocumentType)}) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
        }
    }

    TempDir dir;
    std::string document = dir.Write(std::string("Guide Book.") + kExtension, "text");
};

TEST_F(ShellUtil, OpenAndPrintReachTheRegisteredProgram) {
    struct Case { int verb; bool maximize; const char* marker; int show; };
    const Case cases[] = {
        {kShellOpen, false, ".open", SW_SHOWNORMAL},
        {kShellOpen, true, ".open", SW_SHOWMAXIMIZED},
        {kShellPrint, true, ".print", SW_HIDE},
        {kShellPrint, false, ".print", SW_HIDE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.marker + std::to_string(c.show));
        std::string marker = document + c.marker;
        DeleteFileA(marker.c_str());
        ASSERT_TRUE(ShellRun(nullptr, document, "", "", true, c.maximize, false, c.verb));
        ASSERT_TRUE(Exists(marker)) << "the wait ended before the program did";
        EXPECT_EQ(MarkerField(FileText(marker), "show"), std::to_string(c.show));
    }
}

TEST_F(ShellUtil, ShellRunWaitsWithAParentWindow) {
    CCountingWindow parent;
    ASSERT_TRUE(parent.Handle());
    ASSERT_TRUE(ShellRun(parent.Handle(), document, "", "", true, false, true, kShellOpen));
    EXPECT_TRUE(Exists(document + ".open"));
    EXPECT_TRUE(IsWindowEnabled(parent.Handle()));
}

TEST_F(ShellUtil, ShellRunWithoutWaitReturnsAtOnce) {
    ASSERT_TRUE(ShellRun(nullptr, document, "", "", false, false, false, kShellOpen));
    EXPECT_TRUE(WaitForFile(document + ".open"));
}

TEST_F(ShellUtil, ShellRunReportsWhatTheShellCannotDo) {
    std::string unassociated = dir.Write("notes.mwnothing", "x");
    // The shell tells the user itself; its message boxes are closed here.
    CDialogCloser closer;
    EXPECT_FALSE(ShellRun(nullptr, dir.File("missing.") + kExtension, "", "", true, false, false, kShellOpen));
    EXPECT_FALSE(ShellRun(nullptr, unassociated, "", "", true, false, false, kShellOpen));
    EXPECT_FALSE(ShellRun(nullptr, document, "", "", true, false, false, 3));
    EXPECT_FALSE(ShellRun(nullptr, document, "", "", true, false, false, -1));
    EXPECT_FALSE(Exists(document + ".open"));
    EXPECT_GE(closer.Closed(), 1);
}

struct TitleSearch {
    std::string part;
    HWND found = nullptr;
};

BOOL CALLBACK FindTitle(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<TitleSearch*>(search);
    char title[1024] = {};
    GetWindowTextA(window, title, sizeof(title));
    if (IsWindowVisible(window) && std::string(title).find(s->part) != std::string::npos) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window whose title holds the text, polled for.
HWND WaitForWindowTitled(const std::string& part, DWORD timeoutMs = 20000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        TitleSearch search{part};
        EnumWindows(&FindTitle, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    }
    return nullptr;
}

TEST_F(ShellUtil, ShellRunExploresAFolder) {
    ASSERT_TRUE(ShellRun(nullptr, dir.Path(), "", "", false, false, false, kShellExplore));
    HWND folderWindow = WaitForWindowTitled(GetFileName(dir.Path(), false));
    EXPECT_TRUE(folderWindow) << "no window shows the folder";
    if (folderWindow) PostMessageA(folderWindow, WM_CLOSE, 0, 0);
}

TEST_F(ShellUtil, FindsTheProgramForDocumentAndExtension) {
    std::string program;
    ASSERT_TRUE(FindProgramForDocument(document, program));
    EXPECT_TRUE(SameFile(program, HelperProgram())) << program;

    program.clear();
    ASSERT_TRUE(FindProgramForExtension(kExtension, program));
    EXPECT_TRUE(SameFile(program, HelperProgram())) << program;

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    EXPECT_FALSE(Exists(std::string(temp) + "\\xyzyxz123123." + kExtension)) << "the probe file is left behind";
}

TEST_F(ShellUtil, FindProgramFailsWithoutAssociation) {
    std::string program = "unchanged";
    EXPECT_FALSE(FindProgramForDocument(dir.Write("notes.mwnothing", "x"), program));
    EXPECT_FALSE(FindProgramForExtension("mwnothing", program));
    EXPECT_EQ(program, "unchanged");
}

TEST_F(ShellUtil, FindProgramForExtensionRejectsPathsInTheExtension) {
    // The extension comes from a disc; it must not name a file elsewhere.
    std::string victim = dir.Write("victim.txt", "keep");
    std::string relative = "..\\..\\..\\..\\..\\..\\..\\..\\" + victim.substr(3);
    const std::string cases[] = {
        "txt\\..\\..\\x", "..\\x", "a/b", "c:x", "..", "", "a*", std::string("..\\") + kExtension, relative,
    };
    for (const std::string& extension : cases) {
        std::string program = "unchanged";
        EXPECT_FALSE(FindProgramForExtension(extension, program)) << extension;
        EXPECT_EQ(program, "unchanged");
    }
    EXPECT_EQ(FileText(victim), "keep");
}

TEST_F(ShellUtil, OpenLinkOpensWithTheShell) {
    INT_PTR result = OpenLink(document);
    EXPECT_GT(result, 32);
    EXPECT_TRUE(WaitForFile(document + ".open"));
}

TEST(LinkErrorText, NamesTheCodeFromTheStringTable) {
    struct Case { INT_PTR code; const char* text; };
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {77, "Unknown Error (77) occurred."},
        {-4, "Unknown Error (-4) occurred."},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkErrorText(c.code), std::string("Can't open link:\n\n") + c.text) << c.code;
}

TEST(ShowLinkError, ShowsTheTextInAMessageBox) {
    std::string texts;
    {
        CDialogCloser closer;
        ShowLinkError(31);
        texts = closer.Texts();
        EXPECT_GE(closer.Closed(), 1);
    }
    EXPECT_NE(texts.find("Can't open link:"), std::string::npos) << texts;
    EXPECT_NE(texts.find("There is no application associated"), std::string::npos) << texts;
}

}  // namespace

// What the shell starts gets the parameters and working directory: a silent
// installer package ("/quiet") must not show its whole interface.
TEST_F(ShellUtil, ShellRunPassesParametersAndWorkingDirectory) {
    const std::string marker = dir.Path() + "\\shell-run.marker";
    ASSERT_TRUE(CreateDirectoryPath(dir.Path() + "\\work"));
    ASSERT_TRUE(ShellRun(nullptr, HelperProgram(), "--marker \"" + marker + "\" /quiet", dir.Path() + "\\work", true,
                         false, false, kShellOpen));
    ASSERT_TRUE(Exists(marker));
    const std::string text = FileText(marker);
    EXPECT_NE(MarkerField(text, "line").find("/quiet"), std::string::npos) << text;
    EXPECT_TRUE(EqualsNoCase(MarkerField(text, "cwd"), dir.Path() + "\\work")) << text;
}

namespace {

// Answers for the shell calls, set by each test.
struct ShellAnswers {
    static inline BOOL executed = TRUE;
    static inline INT_PTR instance = 0;
    static inline INT_PTR openResult = 0;
    static inline UINT browserResult = 0;
    static inline std::string browserCommand;

    static BOOL WINAPI ExecuteEx(SHELLEXECUTEINFOA* info) {
        info->hInstApp = reinterpret_cast<HINSTANCE>(instance);
        info->hProcess = nullptr;
        return executed;
    }
    static HINSTANCE WINAPI Execute(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) {
        return reinterpret_cast<HINSTANCE>(openResult);
    }
    static UINT WINAPI Exec(LPCSTR command, UINT) {
        browserCommand = command;
        return browserResult;
    }
};

class ShellAnswered : public ::testing::Test {
protected:
    void SetUp() override {
        ShellAnswers::browserCommand.clear();
        TheShellCalls() = ShellCalls{ShellAnswers::ExecuteEx, ShellAnswers::Execute, ShellAnswers::Exec};
    }
    void TearDown() override { TheShellCalls() = saved; }

private:
    ShellCalls saved = TheShellCalls();
};

// The browser command that the classes of this prefix register for ".htm".
std::string RegisteredBrowserCommand() {
    char type[MAX_PATH] = {};
    LONG size = sizeof(type);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", type, &size) != ERROR_SUCCESS) return std::string();
    char command[MAX_PATH] = {};
    size = sizeof(command);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, (std::string(type) + "\\shell\\open\\command").c_str(), command, &size) !=
        ERROR_SUCCESS) {
        return std::string();
    }
    return command;
}

}  // namespace

// 32 is itself an error ("dynamic-link library not found"); a shell that
// says it executed but hands back an error code has failed.
TEST_F(ShellAnswered, ShellRunSucceedsOnlyAboveThirtyTwo) {
    struct Case { BOOL executed; INT_PTR instance; bool succeeds; };
    const Case cases[] = {{TRUE, 33, true}, {TRUE, 42, true}, {TRUE, 32, false}, {TRUE, SE_ERR_NOASSOC, false},
                          {TRUE, 0, false}, {FALSE, 42, false}};
    for (const Case& c : cases) {
        ShellAnswers::executed = c.executed;
        ShellAnswers::instance = c.instance;
        EXPECT_EQ(ShellRun(nullptr, "D:\\setup.msi", "/quiet", "", true, false, false, kShellOpen), c.succeeds)
            << c.executed << " " << c.instance;
    }
}

// When the shell cannot open a link, the browser registered for web pages
// gets it as one quoted argument: blanks and quotes in the address can
// neither split it nor add arguments of their own.
TEST_F(ShellAnswered, OpenLinkFallsBackToTheRegisteredBrowserWithTheAddressQuoted) {
    // Wine's prefix has the web page type without ".htm" naming it, as Windows does.
    struct WebPageType {
        bool named = RegisteredBrowserCommand().empty() && SetDefault(".htm", "htmlfile") == ERROR_SUCCESS;
        ~WebPageType() {
            if (named) RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
        }
    } webPageType;
    const std::string registered = RegisteredBrowserCommand();
    ASSERT_FALSE(registered.empty()) << "this prefix registers no browser for web pages";
    // The registered program and its switches, without the placeholder.
    std::string program = registered.substr(0, std::min(registered.find("\"%1"), registered.find("%1")));
    while (!program.empty() && program.back() == ' ') program.pop_back();

    ShellAnswers::openResult = SE_ERR_NOASSOC;
    ShellAnswers::browserResult = 33;
    EXPECT_EQ(OpenLink("http://example.test/a b\" -new c"), 33);
    EXPECT_EQ(ShellAnswers::browserCommand, program + " \"http://example.test/a b%22 -new c\"");

    ShellAnswers::browserCommand.clear();
    ShellAnswers::openResult = 42;
    EXPECT_EQ(OpenLink("http://example.test/"), 42);
    EXPECT_TRUE(ShellAnswers::browserCommand.empty()) << "the shell opened it; no browser is started";
}

