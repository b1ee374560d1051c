// The chunk walker on odd and damaged files: what is taken (stray bytes, padding, cut-off
// audio) and what is refused unchanged.
#include "tags/TWavFixture.h"
#include "tags/WaveChunksFixture.h"

#include <QFileInfo>

using namespace wavechunks;

TEST_F(WaveChunks, StrayBytesAfterTheLastChunkAreOverwritten) {
    for (int stray = 1; stray <= 7; ++stray) {
        SCOPED_TRACE(stray);
        const QByteArray clean = TWavFixture::Minimal44();
        Replace(Put(clean + QByteArray(stray, '\xEE')), ixmlId, oxmlId, "ab");
        EXPECT_EQ(Content(), TWavFixture::Minimal44().replace(4, 4, TWavFixture::LittleEndian32(46)) +
                                 "iXML" + TWavFixture::LittleEndian32(2) + "ab");
    }
}

TEST_F(WaveChunks, CutOffLastChunkIsFilledWithZerosBeforeTheNewOne) {
    // A "data" chunk that declares 100 bytes of which the file holds 10.
    const QByteArray file = TWavFixture().Raw("data" + TWavFixture::LittleEndian32(100)).Raw(
        TWavFixture::AudioBytes(10)).Bytes();
    Replace(Put(file), id3Id, xid3Id, "ab");
    const QByteArray result = Content();
    ASSERT_EQ(result.size(), 12 + 108 + 10);
    EXPECT_EQ(result.mid(8, file.size() - 8), file.mid(8));
    EXPECT_EQ(result.mid(file.size(), 90), QByteArray(90, '\0'));
    EXPECT_EQ(result.mid(120), "id3 " + TWavFixture::LittleEndian32(2) + "ab");
    EXPECT_EQ(TWavFixture::UInt32At(result, 4), quint32(result.size() - 8));
}

TEST_F(WaveChunks, ZeroPaddingAfterTheLastChunkTakesTheNewChunk) {
    struct Case {
        const char* name;
        QByteArray file;
        qsizetype paddingAt;
    };
    const QByteArray audio = TWavFixture::AudioBytes(100);
    const QByteArray fmtAndData =
        TWavFixture().Chunk("fmt ", TWavFixture::PcmFormat()).Chunk("data", audio).Bytes();
    const Case cases[] = {
        {"block padding of a fixture", Fixture("tags-zero-padding.wav"), 4044},
        {"8 zero bytes", fmtAndData + QByteArray(8, '\0'), fmtAndData.size()},
        {"more padding than the new chunk needs", fmtAndData + QByteArray(3000, '\0'),
         fmtAndData.size()},
        {"after an odd chunk and its pad byte",
         TWavFixture().Chunk("data", audio).Chunk("odd ", "abc").Raw(QByteArray(40, '\0')).Bytes(),
         12 + 108 + 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        const QString path = Put(c.file);
        Replace(path, id3Id, xid3Id, "ab");
        Replace(path, id3Id, xid3Id, "cd");
        EXPECT_EQ(errors, QStringList());
        const QByteArray result = Content();
        EXPECT_EQ(result.mid(8, c.paddingAt - 8), c.file.mid(8, c.paddingAt - 8));
        const QByteArray chunks = "Xid3" + TWavFixture::LittleEndian32(2) + "ab" + "id3 " +
                                  TWavFixture::LittleEndian32(2) + "cd";
        EXPECT_EQ(result.mid(c.paddingAt, chunks.size()), chunks);
        // The RIFF form ends with the new chunk; padding it did not need stays zero behind it.
        const qsizetype riffEnd = c.paddingAt + chunks.size();
        EXPECT_EQ(TWavFixture::UInt32At(result, 4), quint32(riffEnd - 8));
        EXPECT_EQ(result.size(), std::max(riffEnd, c.file.size()));
        EXPECT_EQ(result.mid(riffEnd).count('\0'), result.size() - riffEnd);
    }
}

TEST_F(WaveChunks, BadHeadersAreReportedAndTheFileIsUnchanged) {
    struct Case {
        const char* name;
        QByteArray file;
        QString message;
    };
    const QString noRiff = "Invalid Wave file, no RIFF header";
    const QString noWave = "Invalid Wave file, no WAVE header";
    const QByteArray body = TWavFixture::Minimal44().mid(4);
    const Case cases[] = {
        {"RIFX", "RIFX" + body, noRiff},
        {"RF64", "RF64" + body, noRiff},
        {"empty", {}, noRiff},
        {"3 bytes", "RIF", noRiff},
        {"AVI", TWavFixture::Minimal44().replace(8, 4, "AVI "), noWave},
        {"11 bytes", QByteArray("RIFF\x03\x00\x00\x00WAV", 11), noWave},
        {"8 bytes", QByteArray("RIFF\x00\x00\x00\x00", 8), noWave},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Put(c.file);
        errors.clear();
        Replace(path, id3Id, xid3Id, "x");
        Update(path, bextId, bextPrefix, bextPayload);
        EXPECT_EQ(errors, QStringList({c.message, c.message}));
        EXPECT_EQ(Content(), c.file);
    }
}

TEST_F(WaveChunks, DamagedChunkListsAreRefusedAndTheFileIsUnchanged) {
    struct Case {
        const char* name;
        QByteArray file;
        quint64 damagedAt;
    };
    const QByteArray data = TWavFixture::LittleEndian32(0) + TWavFixture::AudioBytes(10);
    const Case cases[] = {
        {"unfinished header", Fixture("unfinished-header.wav"), 44},
        // Zeros after an empty "data" chunk are the silence of a rip that never wrote its sizes.
        {"unfinished header with silence", Fixture("unfinished-header-silence.wav"), 44},
        {"zeros ending in a non-zero byte", TWavFixture().Chunk("data", "12").Raw(
             QByteArray(60, '\0') + "x").Bytes(), 22},
        {"garbage after data", Fixture("garbage-after-data.wav"), 1044},
        // The walk gives up after 10,000 chunks instead of stepping on through the file.
        {"zero-size chunks", Fixture("zero-size-chunks.wav"), 144 + 8 * 9998},
        {"size that wraps", Fixture("size-wraps.wav"), 36},
        {"size 0xFFFFFFFF", Fixture("size-ffffffff.wav"), 36},
        {"placeholder size of 2 GiB", Fixture("data-placeholder-2gb.wav"), 36},
        {"NUL chunk id", Fixture("nul-chunk-id.wav"), 36},
        {"control character in an id", TWavFixture().Chunk("da\tt", "x").Bytes(), 12},
        {"byte above 0x7E in an id", TWavFixture().Chunk("dat\xE1", "x").Bytes(), 12},
        // Declares 602 bytes, holds 200: only "data" may be cut off.
        {"cut-off bext", TWavFixture()
                             .Chunk("data", TWavFixture::AudioBytes(10))
                             .Raw("bext" + TWavFixture::LittleEndian32(602) + QByteArray(200, 'b'))
                             .Bytes(),
         30},
        {"chunk overrunning by one byte", TWavFixture().Raw("LIST" +
             TWavFixture::LittleEndian32(11) + QByteArray(10, 'l')).Bytes(), 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.isEmpty());
        const QString path = Put(c.file);
        errors.clear();
        Replace(path, id3Id, xid3Id, "x");
        Update(path, bextId, bextPrefix, bextPayload);
        const QString damaged = QString("Invalid Wave file, damaged chunk at byte %1").arg(c.damagedAt);
        EXPECT_EQ(errors, QStringList({damaged, damaged}));
        EXPECT_EQ(Content(), c.file);
    }
}

TEST_F(WaveChunks, SixtyFourMegabytesOfSilenceAfterAnUnfinishedHeaderStopTheWalkAtOnce) {
    QByteArray file = Fixture("unfinished-header-silence.wav");
    file.append(64 * 1024 * 1024 - file.size(), '\0');
    Replace(Put(file), ixmlId, oxmlId, "<X/>");
    EXPECT_EQ(errors, QStringList("Invalid Wave file, damaged chunk at byte 44"));
    EXPECT_EQ(Content(), file);
}

TEST_F(WaveChunks, CutOffDataIsTaggedWhenAtMost16MiBAreMissing) {
    const quint32 held = 10;
    for (const quint32 missing : {1u << 24, (1u << 24) + 2}) {
        SCOPED_TRACE(missing);
        errors.clear();
        const QByteArray file = TWavFixture().Raw("data" + TWavFixture::LittleEndian32(held + missing))
                                    .Raw(TWavFixture::AudioBytes(held)).Bytes();
        Replace(Put(file), id3Id, xid3Id, "ab");
        if (missing == 1u << 24) {
            EXPECT_TRUE(errors.isEmpty());
            EXPECT_EQ(QFileInfo(dir.File("sound.wav")).size(), qint64(file.size() + missing + 10));
        } else {
            EXPECT_EQ(errors, QStringList("Invalid Wave file, damaged chunk at byte 12"));
            EXPECT_EQ(Content(), file);
        }
    }
}

TEST_F(WaveChunks, LastOddChunkWithoutItsPadByteIsNoDamage) {
    const QByteArray file = TWavFixture().Chunk("data", "12").Bytes() + "odd " +
                            TWavFixture::LittleEndian32(3) + "abc";
    Replace(Put(file), id3Id, xid3Id, "x");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(Content().mid(8), file.mid(8) + '\0' + "id3 " + TWavFixture::LittleEndian32(2) + "x" + '\0');
}

TEST_F(WaveChunks, ZeroPaddingBeyond16MiBIsDamage) {
    const QByteArray file = TWavFixture().Chunk("data", TWavFixture::AudioBytes(10)).Bytes();
    for (const qint64 padding : {qint64(16) << 20, (qint64(16) << 20) + 1}) {
        SCOPED_TRACE(padding);
        errors.clear();
        const QString path = Put(file);
        ASSERT_TRUE(QFile::resize(path, file.size() + padding)); // a hole: reads as zeros
        Replace(path, id3Id, xid3Id, "ab");
        if (padding == qint64(16) << 20) {
            EXPECT_EQ(errors, QStringList());
            EXPECT_EQ(Content().mid(file.size(), 4), "id3 ");
        } else {
            EXPECT_EQ(errors, QStringList(QString("Invalid Wave file, damaged chunk at byte %1")
                                              .arg(file.size())));
            EXPECT_EQ(Content().left(file.size()), file);
            EXPECT_EQ(QFileInfo(path).size(), file.size() + padding);
        }
    }
}

