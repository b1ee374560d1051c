#pragma once

#include <QStringList>

// What the main window needs from the CD drive access when it is created: the drive lines for
// the options panel's drive box, in the order of the drive indexes.
class ICdDriveList {
public:
    virtual ~ICdDriveList() = default;
    virtual QStringList ListDrives() = 0;
};
