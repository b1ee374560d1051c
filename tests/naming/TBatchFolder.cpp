#include "naming/TBatchFolder.h"

#include "naming/LoadFolder.h"
#include "tags/TWavFixture.h"

#include <QDir>
#include <QFile>

void TBatchFolder::WriteSounds(const QStringList& names) {
    for (const QString& name : names)
        dir.Write(name, name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive)
                            ? TWavFixture::ShortPcm()
                            : QByteArray("not a wave: ") + name.toUtf8());
}

QString TBatchFolder::CopyTestData(const QString& name) {
    const QString target = dir.File(name);
    QFile::copy(QStringLiteral(TRACKMOTH_TEST_DATA "/batch/") + name, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return target;
}

void TBatchFolder::List(TSoundList& sounds, const TFileNameOptions& naming, bool renameFiles) const {
    LoadFolder(dir.Path(), sounds, naming, renameFiles, {});
}

QStringList TBatchFolder::Names() const {
    return QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

std::vector<int> TBatchFolder::AllRows(const TSoundList& sounds) {
    std::vector<int> rows;
    for (int row = 0; row < sounds.Count(); ++row)
        rows.push_back(row);
    return rows;
}
