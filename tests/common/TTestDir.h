#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed with it.
class TTestDir {
public:
    QString Path() const { return dir_.path(); }
    // The full path of `name` inside the folder.
    QString File(const QString& name) const { return dir_.filePath(name); }
    // Writes `content` to `name` (creating parent folders) and returns the full path.
    QString Write(const QString& name, const QByteArray& content) const;
    // The content of `name`; empty when it cannot be read.
    QByteArray Read(const QString& name) const;
    // Creates the folder `name` (with parents) and returns its full path.
    QString MakeFolder(const QString& name) const;

private:
    QTemporaryDir dir_;
};
