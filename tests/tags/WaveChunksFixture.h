#pragma once

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "tags/WaveChunks.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// What the chunk walker's tests share: the ids, a bext prefix and payload, the committed test
// files, and a file of their own whose writes collect the errors the results report.
namespace wavechunks {
constexpr quint32 id3Id = MakeFourCC('i', 'd', '3', ' ');
constexpr quint32 xid3Id = MakeFourCC('X', 'i', 'd', '3');
constexpr quint32 ixmlId = MakeFourCC('i', 'X', 'M', 'L');
constexpr quint32 oxmlId = MakeFourCC('0', 'X', 'M', 'L');
constexpr quint32 bextId = MakeFourCC('b', 'e', 'x', 't');

inline const QByteArray bextPrefix = QByteArray(338, 'P');
inline const QByteArray bextPayload = QByteArray(338, 'P') + QByteArray(274, 'Q');

// A file of the test data, read as it is committed.
inline QByteArray Fixture(const char* name) {
    QFile file(QStringLiteral(TRACKMOTH_TEST_DATA "/wav/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WaveChunks : public ::testing::Test {
protected:
    QString Put(const QByteArray& content) { return dir.Write("sound.wav", content); }
    QByteArray Content() const { return dir.Read("sound.wav"); }
    // Each call adds the errors its result reports to `errors`.
    void Replace(const QString& path, quint32 id, quint32 retiredId, const QByteArray& payload) {
        errors += ReplaceWaveChunk(QFile::encodeName(path), id, retiredId, payload).Errors();
    }
    void Update(const QString& path, quint32 id, const QByteArray& prefix,
                const QByteArray& payload) {
        errors += UpdateWaveChunk(QFile::encodeName(path), id, prefix, payload).Errors();
    }
    void TagAllThree(const QString& path) {
        Replace(path, id3Id, xid3Id, "ID3");
        Update(path, bextId, bextPrefix, bextPayload);
        Replace(path, ixmlId, oxmlId, "<X/>");
    }
    void TearDown() override { EXPECT_EQ(messages.Messages, QStringList()) << "shown, not returned"; }

    TTestDir dir;
    TRecordingMessages messages; // nothing may be shown: every error is in the results
    QStringList errors;
};
} // namespace wavechunks
