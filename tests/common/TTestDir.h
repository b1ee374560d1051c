#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed with it.
class TTestDir {
public:
    TTestDir() = default;
    // Removes the folder by its bytes: names that are no UTF-8 are invisible to Qt's removal.
    ~TTestDir();
    TTestDir(const TTestDir&) = delete;
    TTestDir& operator=(const TTestDir&) = delete;

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
