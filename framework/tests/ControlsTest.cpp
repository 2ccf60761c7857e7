// The control wrappers against Wine's own common controls, on the controls
// of one dialog pane.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "Dialog.h"
#include "DialogDriver.h"
#include "FrameworkTestIds.h"
#include "controls/HyperLink.h"
#include "controls/ImageList.h"
#include "controls/ListBox.h"
#include "controls/PopupMenu.h"
#include "controls/SpinButton.h"
#include "controls/ToolTip.h"
#include "controls/TreeView.h"

namespace {

class ControlsTest : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(pane_.CreateModeless(nullptr));
    }
    wingui::CDialog pane_{IDD_TEST_PANE};
};

TEST_F(ControlsTest, TreeItemsKeepTheirTextPictureAndValueInTheirPlaces) {
    wingui::ImageList images = wingui::LoadImageStrip(IDB_TEST_IMAGES, 16, RGB(255, 0, 255));
    ASSERT_TRUE(images);
    EXPECT_EQ(ImageList_GetImageCount(images.Get()), 3);
    wingui::CTreeView tree;
    tree.Attach(pane_.Item(IDC_TREE));
    tree.SetImageList(images.Get());

    HTREEITEM disc = tree.Insert(nullptr, TVI_LAST, "Disc", 0, 100);
    HTREEITEM splash = tree.Insert(disc, TVI_LAST, "Splash", 1, 101);
    HTREEITEM menu = tree.Insert(disc, TVI_LAST, "Menu", 2, 102);
    HTREEITEM first = tree.Insert(disc, TVI_FIRST, "Icon", 1, 103);
    ASSERT_TRUE(disc && splash && menu && first);
    EXPECT_EQ(tree.Count(), 4);
    EXPECT_EQ(tree.Root(), disc);
    EXPECT_EQ(tree.FirstChild(disc), first);
    EXPECT_EQ(tree.NextSibling(first), splash);
    EXPECT_EQ(tree.PreviousSibling(menu), splash);
    EXPECT_EQ(tree.Parent(menu), disc);
    EXPECT_EQ(tree.Data(menu), 102);
    EXPECT_EQ(tree.Image(menu), 2);

    tree.Expand(disc);
    EXPECT_TRUE(tree.Select(menu));
    EXPECT_EQ(tree.Selection(), menu);
    EXPECT_TRUE(tree.SetText(menu, "Main menu"));
    EXPECT_EQ(tree.Text(menu), "Main menu");
    EXPECT_TRUE(tree.SetImage(menu, 1));
    EXPECT_EQ(tree.Image(menu), 1);

    EXPECT_TRUE(tree.Delete(splash));
    EXPECT_EQ(tree.NextSibling(first), menu);
    tree.DeleteAll();
    EXPECT_EQ(tree.Count(), 0);
    tree.SetImageList(nullptr);
}

TEST_F(ControlsTest, ListLinesKeepTheirValuesWhereverTheyAreInserted) {
    wingui::CListBox list;
    list.Attach(pane_.Item(IDC_LIST));
    EXPECT_EQ(list.Selection(), -1);
    EXPECT_EQ(list.Add("second", 2), 0);
    EXPECT_EQ(list.Add("third", 3), 1);
    EXPECT_EQ(list.Insert(0, "first", 1), 0);
    ASSERT_EQ(list.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Data(i), i + 1);
    EXPECT_EQ(list.Text(2), "third");
    list.Select(1);
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(list.Text(0), "second");
    EXPECT_FALSE(list.Delete(7));
    EXPECT_EQ(list.Text(7), "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ControlsTest, TheSpinKeepsItsNumberInsideItsRangeWhateverTheEditHolds) {
    wingui::CSpinButton spin;
    spin.Attach(pane_.Item(IDC_SPIN));
    spin.SetBuddy(pane_.Item(IDC_SPIN_EDIT));
    spin.SetRange(0, 30);
    spin.SetPosition(12);
    EXPECT_EQ(spin.Position(), 12);
    char text[8] = {};
    GetWindowTextA(pane_.Item(IDC_SPIN_EDIT), text, sizeof(text));
    EXPECT_STREQ(text, "12");
    spin.SetPosition(45);
    EXPECT_EQ(spin.Position(), 30);
    SetWindowTextA(pane_.Item(IDC_SPIN_EDIT), "99");
    EXPECT_EQ(spin.Position(), 30);
}

TEST_F(ControlsTest, EachControlHasItsOwnTip) {
    wingui::CToolTip tips;
    ASSERT_TRUE(tips.Create(pane_.Handle()));
    EXPECT_TRUE(tips.Add(pane_.Item(IDC_FIRST_EDIT), "The project's name"));
    EXPECT_TRUE(tips.Add(pane_.Item(IDOK), "Saves the changes"));
    EXPECT_EQ(tips.Count(), 2);
    EXPECT_EQ(tips.TextOf(pane_.Item(IDOK)), "Saves the changes");
    EXPECT_EQ(tips.TextOf(pane_.Item(IDC_FIRST_EDIT)), "The project's name");
    EXPECT_FALSE(tips.Add(nullptr, "nothing"));
}

TEST_F(ControlsTest, APopupMenuAnswersTheCommandChosenWithoutSendingIt) {
    wingui::CPopupMenu menu(IDR_TEST_MENU, 0);
    ASSERT_TRUE(menu);
    menu.Enable(ID_TEST_OPEN, false);
    menu.Check(ID_TEST_CLOSE, true);
    EXPECT_FALSE(menu.IsEnabled(ID_TEST_OPEN));
    EXPECT_TRUE(menu.IsChecked(ID_TEST_CLOSE));
    EXPECT_TRUE(menu.IsEnabled(ID_TEST_CLOSE));

    // The keyboard works the menu: C is the mnemonic of Close.
    HWND owner = pane_.Handle();
    ShowWindow(owner, SW_SHOW);
    testwin::CDialogDriver keys([owner](DWORD main) {
        ASSERT_NE(testwin::WaitForThreadWindow(main, "#32768", nullptr), nullptr);
        PostMessageA(owner, WM_CHAR, 'c', 0);
    });
    EXPECT_EQ(menu.Track(owner, {20, 20}), UINT(ID_TEST_CLOSE));
    keys.Finish();
}

}  // namespace

namespace {

TEST_F(ControlsTest, ALinkFitsItsTextKeepingItsCentreAndOpensItsAddress) {
    HWND control = pane_.Item(IDC_LINK);
    const RECT designed = testwin::PlaceInParent(control);
    wingui::CHyperLink link;
    ASSERT_TRUE(link.Attach(control));
    const RECT fitted = testwin::PlaceInParent(control);
    EXPECT_LT(fitted.right - fitted.left, designed.right - designed.left) << "as wide as its text";
    EXPECT_LT(fitted.bottom - fitted.top, designed.bottom - designed.top);
    EXPECT_NEAR((fitted.left + fitted.right) / 2, (designed.left + designed.right) / 2, 1);
    EXPECT_NEAR((fitted.top + fitted.bottom) / 2, (designed.top + designed.bottom) / 2, 1);
    EXPECT_EQ(link.Url(), "");
    link.SetUrl("http://www.example.com/Client/Graphics.asp");
    EXPECT_EQ(testwin::WindowText(control), "Open the vendor's page") << "a text of its own stays";
    EXPECT_EQ(SendMessageA(control, WM_SETCURSOR, WPARAM(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

TEST(HyperLinkRules, TheBrowserCommandIsCutBeforeTheQuotedPlaceholder) {
    struct Case {
        const char* registered;
        const char* command;
    };
    const Case cases[] = {
        {"\"C:\\Web\\browse.exe\" -nohome \"%1\"", "\"C:\\Web\\browse.exe\" -nohome  http://x.example/"},
        {"browse.exe %1 -new", "browse.exe  http://x.example/"},
        {"browse.exe", "browse.exe http://x.example/"},
        {"browse.exe -url=%1 \"%1\"", "browse.exe -url=%1  http://x.example/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wingui::BrowserCommandFor(c.registered, "http://x.example/"), c.command) << c.registered;
    }
    EXPECT_EQ(wingui::LinkFailureReason(31), "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(wingui::LinkFailureReason(99), "Unknown Error (99) occurred.");
}

}  // namespace
