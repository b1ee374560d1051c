#include "cdimport/WriteFully.h"

#include <QFileDevice>

TResult WriteFully(QFileDevice& file, const char* data, qint64 size) {
    for (qint64 written = 0; written < size;) {
        const qint64 count = file.write(data + written, size - written);
        if (count <= 0)
            return WriteError(file);
        written += count;
    }
    return TResult::Ok();
}

TResult WriteError(const QFileDevice& file) {
    return TResult::Error(QString("Cannot write file \"%1\". %2").arg(file.fileName(), file.errorString()));
}
