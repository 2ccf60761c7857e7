#pragma once
// Fixture discs with menus: a settings file written from a small tree of
// sections, and the menu pictures of tests/fixtures/menu copied onto the disc.
#include <windows.h>

#include <string>
#include <vector>

#include "E2eHarness.h"
#include "TestFixtures.h"

namespace menu_e2e {

using Keys = std::vector<std::pair<std::string, std::string>>;

// One record of the tree with the records below it (a menu's buttons, a
// button's actions).
struct Node {
    Keys keys;
    std::vector<Node> children;
};

inline Node MessageAction(const std::string& title, const std::string& text, int buttons = 0) {
    return {{{"SettingType", "3"}, {"LaunchTypeV3", "105"}, {"LaunchType", "1"}, {"File", text},
             {"WindowTitle", title}, {"Buttons", std::to_string(buttons)}, {"Icon", "64"}},
            {}};
}

inline Node Button(const std::string& caption, std::vector<Node> actions = {}, bool windowClose = false) {
    return {{{"SettingType", "9"}, {"Name", caption}, {"WindowClose", windowClose ? "true" : "false"}},
            std::move(actions)};
}

// A standard menu with the fixture button pictures.
inline Node Menu(const std::string& windowName, std::vector<Node> buttons, Keys more = {}) {
    Keys keys = {{"SettingType", "6"},
                 {"MenuType", "2"},
                 {"WindowName", windowName},
                 {"MenuTitle", "Fixture Menu"},
                 {"BackgroundType", "6"},
                 {"Color1_R", "20"}, {"Color1_G", "40"}, {"Color1_B", "80"},
                 {"Color2_R", "120"}, {"Color2_G", "160"}, {"Color2_B", "220"},
                 {"ButtonUFile", "\\AutoRun\\Menu\\BtnU.bmp"},
                 {"ButtonDFile", "\\AutoRun\\Menu\\BtnD.bmp"},
                 {"ButtonFFile", "\\AutoRun\\Menu\\BtnF.bmp"},
                 {"ButtonRFile", "\\AutoRun\\Menu\\BtnR.bmp"},
                 {"ButtonTextFontColor_R", "255"}, {"ButtonTextFontColor_G", "255"}, {"ButtonTextFontColor_B", "255"}};
    for (const auto& [key, value] : more) {
        bool replaced = false;
        for (auto& entry : keys) {
            if (entry.first == key) {
                entry.second = value;
                replaced = true;
            }
        }
        if (!replaced) keys.emplace_back(key, value);
    }
    return {keys, std::move(buttons)};
}

inline void WriteNode(const Node& node, const std::string& section, std::string& ini) {
    ini += "[" + section + "]\r\n";
    for (const auto& [key, value] : node.keys) ini += key + "=" + value + "\r\n";
    ini += "SettingsCount=" + std::to_string(node.children.size()) + "\r\n";
    for (size_t i = 0; i < node.children.size(); ++i) {
        WriteNode(node.children[i], section + "." + std::to_string(i + 1), ini);
    }
}

inline std::string Settings(const std::vector<Node>& rootList) {
    std::string ini = "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=2\r\nCdID=menu-e2e\r\n[Root]\r\nSettingsCount=" +
                      std::to_string(rootList.size()) + "\r\n";
    for (size_t i = 0; i < rootList.size(); ++i) WriteNode(rootList[i], "Root." + std::to_string(i + 1), ini);
    return ini;
}

inline std::string FixturePicture(const std::string& name) {
    std::string path = std::string(MENUWRIGHT_MENU_FIXTURES) + "/" + name;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// A complete disc with the settings and every fixture picture in \AutoRun\Menu.
inline void MakeMenuDisc(const e2e::FixtureDisc& disc, const std::vector<Node>& rootList) {
    disc.MakeComplete(Settings(rootList));
    for (const char* name : {"BtnU.bmp", "BtnD.bmp", "BtnF.bmp", "BtnR.bmp", "SmallU.bmp", "SmallD.bmp", "SmallF.bmp",
                             "SmallR.bmp", "Paper.bmp", "Tiny.bmp", "Photo.jpg", "Logo.jpg", "Spinner.gif"}) {
        disc.CopyFileTo(FixturePicture(name), std::string("AutoRun\\Menu\\") + name);
    }
}

// The menu buttons of a menu window in their template order.
inline std::vector<HWND> MenuButtons(HWND menu) {
    std::vector<HWND> buttons;
    for (int id = 1002; id <= 1013; ++id) buttons.push_back(GetDlgItem(menu, id));
    return buttons;
}

inline RECT ClientRectOf(HWND child, HWND parent) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Polls until the window's visibility is as wanted.
inline bool WaitForVisibility(HWND window, bool visible, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0;; waited += 50) {
        if ((IsWindow(window) && IsWindowVisible(window)) == visible) return true;
        if (waited >= timeoutMs) return false;
        Sleep(50);
    }
}

}  // namespace menu_e2e
