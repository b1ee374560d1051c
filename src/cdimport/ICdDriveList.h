#pragma once

#include <QMetaObject>
#include <QObject>
#include <QStringList>

#include <functional>

// What the main window needs from the CD drive access: the drive lines for the options panel's
// drive box, in the order of the drive indexes.
class ICdDriveList {
public:
    using TDrivesListed = std::function<void(const QStringList& lines)>;

    virtual ~ICdDriveList() = default;
    virtual QStringList ListDrives() = 0;
    // Lists the drives anew without keeping the caller waiting: `listed` gets the lines later,
    // through the event loop of `receiver`'s thread, unless `receiver` is gone by then. This
    // plain form asks `ListDrives` at once; access to real drives, which can take seconds to
    // answer, asks them on a worker thread.
    virtual void ListDrivesInBackground(QObject* receiver, TDrivesListed listed) {
        QMetaObject::invokeMethod(
            receiver, [listed = std::move(listed), lines = ListDrives()] { listed(lines); },
            Qt::QueuedConnection);
    }
};
