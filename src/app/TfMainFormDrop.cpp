#include "app/TfMainForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {
// The local files of a drop from another program; none for a drag out of our own list, which
// would otherwise reopen the folder it came from.
QStringList DroppedPaths(const QDropEvent& event) {
    QStringList paths;
    if (event.source() || !event.mimeData() || !event.mimeData()->hasUrls())
        return paths;
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}
} // namespace

void TfMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPaths(*event).isEmpty())
        event->acceptProposedAction();
}

void TfMainForm::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedPaths(*event);
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended: the drag's own loop is still on the stack here.
    QMetaObject::invokeMethod(this, [this, paths] { OpenPaths(paths); }, Qt::QueuedConnection);
}
