#pragma once

// Which sections a settings document holds.
struct TSettingsSections {
    bool Layout = false;
    bool MainWindow = false; // only together with Layout
    bool Options = false;
    bool Ripper = false;
    bool Renamer = false;

    static TSettingsSections All() { return {true, true, true, true, true}; }
};
