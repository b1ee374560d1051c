#include "common/TTestDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

TTestDir::~TTestDir() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(dir_.path()).toStdString()),
                                ignored);
}

QString TTestDir::Write(const QString& name, const QByteArray& content) const {
    const QString path = File(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray TTestDir::Read(const QString& name) const {
    QFile file(QFileInfo(name).isAbsolute() ? name : File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TTestDir::MakeFolder(const QString& name) const {
    QDir().mkpath(File(name));
    return File(name);
}
