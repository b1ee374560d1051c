#pragma once

#include <QString>

// One set of naming options: the import's (CdNaming) or the rename/tag mode's (RenameNaming).
struct TFileNameOptions {
    QString Seperator = " - ";
    QString Mask = "%FDes;";
    QString CustomText;
    bool AutoFolder = false;
    bool AutoFolderPublisher = false;
    // The example name shown on the panels; a display text, kept as the dialog last showed it.
    QString Demo = "/Description.wav";
};
