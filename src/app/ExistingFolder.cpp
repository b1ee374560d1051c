#include "app/ExistingFolder.h"

#include <QDir>
#include <QFileInfo>

QString ExistingFolderOrParent(const QString& folder) {
    if (folder.isEmpty())
        return QString();
    QString candidate = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (int generation = 0; generation <= 3; ++generation) {
        if (QFileInfo(candidate).isDir())
            return candidate;
        candidate = QDir::cleanPath(candidate + "/..");
    }
    return QString();
}
