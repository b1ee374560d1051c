#pragma once

#include <QString>

#include <vector>

// One user action: its name (also its settings key), category, caption and default shortcut
// in portable text ("F1", "Alt+S", "Ctrl+R", "Space"; empty for none).
struct TActionInfo {
    const char* Name;
    const char* Category;
    const char* Caption;
    const char* DefaultShortcut;
};

// All actions of the program in their fixed order: the order of the "Shortcuts" settings
// section and of the shortcut editor.
const std::vector<TActionInfo>& ActionTable();
