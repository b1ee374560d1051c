#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// One set of naming options as stored in a settings document.
struct TNamingValues {
    std::optional<QString> Mask;
    std::optional<QString> Seperator;
    std::optional<QString> CustomText;
    std::optional<QString> Demo;
    std::optional<bool> AutoFolder;
    std::optional<bool> AutoFolderPublisher;
};

// The values a settings document holds, under their settings keys. A value that is not set was
// not in the document (when read) or is not to be written; the main window fills all of them
// before a save and applies the ones that are set after a load.
struct TSettingsValues {
    // Options
    std::optional<int> CDDBversion;
    std::optional<QString> sdxLocation;
    std::optional<QString> FreeDbHost;
    std::optional<QString> SFXdbHost;
    std::optional<QString> WebHost;
    // Layout
    std::optional<int> ColumnWidth;
    std::optional<int> TagWidth;
    std::optional<int> TagHeight;
    std::optional<int> TagX;
    std::optional<int> TagY;
    std::optional<QString> MODE;
    std::optional<int> CDtab;
    // Layout/MainWindow
    std::optional<int> Left;
    std::optional<int> Top;
    std::optional<int> Width;
    std::optional<int> Height;
    // CDripper
    std::optional<int> DriveNumber;
    std::optional<QString> cdOutputRoot;
    std::optional<bool> cdAutoMusFreeDb;
    std::optional<bool> cdAutoSFXFreeDb;
    std::optional<bool> cdAutoPost;
    std::optional<bool> cdAutoSFXdb;
    TNamingValues CdNaming;
    std::optional<int> ShortCount; // stored under both NamingOptions; the last one read wins
    std::optional<QString> AudioFormat;
    std::optional<int> SampleRate;
    std::optional<int> BitDepth;
    std::optional<int> BitRate;
    std::optional<bool> chkSFXbwav;
    std::optional<bool> chkSfxId3;
    std::optional<bool> chksfxIXML;
    std::optional<bool> chkMusicbwav;
    std::optional<bool> chkMusicId3;
    std::optional<bool> chkMusicIXML;
    // Renamer
    TNamingValues RenameNaming;
    std::optional<bool> DoRename;
    std::optional<bool> DoBwav;
    std::optional<bool> DoID3;
    std::optional<bool> DoiXML;
    std::optional<QString> LastFolder;
    // Shortcuts: action name and shortcut text, in the order of the action table when written;
    // when read, the elements found (the first of each name).
    std::optional<QList<QPair<QString, QString>>> Shortcuts;
};
