#pragma once

#include "app/TSoundList.h"
#include "common/TTestDir.h"
#include "naming/TFileNameOptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A folder of sound files for the batch tests, listed into a sound list the way the rename
// mode lists a picked folder.
class TBatchFolder {
public:
    // Writes each name as a short PCM WAV file (other extensions: a few bytes of their own).
    void WriteSounds(const QStringList& names);
    // Copies a file of the hostile test data into the folder.
    QString CopyTestData(const QString& name);
    // Lists the folder into `sounds` and builds the names from `naming`.
    void List(TSoundList& sounds, const TFileNameOptions& naming, bool renameFiles = true) const;

    QString Path() const { return dir.Path(); }
    QString File(const QString& name) const { return dir.File(name); }
    QByteArray Read(const QString& name) const { return dir.Read(name); }
    // The file names in the folder, sorted.
    QStringList Names() const;
    // Every row of `sounds`.
    static std::vector<int> AllRows(const TSoundList& sounds);

    TTestDir dir;
};
