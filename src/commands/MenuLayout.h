#pragma once

// Where the commands sit: the menu bar's menus in order, and the toolbar.

#include <vector>

// A menu item (id), a separator (kSeparator) or a submenu (id with items).
struct MenuEntry {
    int id = 0;
    std::vector<MenuEntry> items;
};

constexpr int kSeparator = 0;

struct MenuLayout {
    int title = 0;  // language string
    std::vector<MenuEntry> items;
    // The language menu lists the language files found at start-up.
    bool languageFiles = false;
};

const std::vector<MenuLayout>& MenuBarLayout();

// Tool ids from left to right; kSeparator between groups.
const std::vector<int>& ToolBarLayout();
