#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "tags/TSharedFileLock.h"
#include "tags/TWavFixture.h"
#include "tags/WaveChunks.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {
constexpr quint32 id3Id = MakeFourCC('i', 'd', '3', ' ');
constexpr quint32 xid3Id = MakeFourCC('X', 'i', 'd', '3');
constexpr quint32 ixmlId = MakeFourCC('i', 'X', 'M', 'L');
constexpr quint32 oxmlId = MakeFourCC('0', 'X', 'M', 'L');
constexpr quint32 bextId = MakeFourCC('b', 'e', 'x', 't');

const QByteArray bextPrefix = QByteArray(338, 'P');
const QByteArray bextPayload = QByteArray(338, 'P') + QByteArray(274, 'Q');

// A damaged file of the test data, read as it is committed.
QByteArray Fixture(const char* name) {
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

    TTestDir dir;
    void TearDown() override { EXPECT_EQ(messages.Messages, QStringList()) << "shown, not returned"; }

    TRecordingMessages messages; // nothing may be shown: every error is in the results
    QStringList errors;
};
} // namespace

TEST(MakeFourCC, IsTheLittleEndianReadingOfTheFourBytes) {
    EXPECT_EQ(MakeFourCC('i', 'd', '3', ' '), 0x20336469u);
    EXPECT_EQ(MakeFourCC('R', 'I', 'F', 'F'), 0x46464952u);
    EXPECT_NE(MakeFourCC('I', 'D', '3', ' '), MakeFourCC('i', 'd', '3', ' '));
}

TEST_F(WaveChunks, FiveBytePayloadGivesThe58ByteFile) {
    const QByteArray original = TWavFixture::Minimal44();
    ASSERT_EQ(original.size(), 44);
    Replace(Put(original), ixmlId, oxmlId, "Hello");
    const QByteArray expected = original.left(4) + TWavFixture::LittleEndian32(50) +
                                original.mid(8) + "iXML" + TWavFixture::LittleEndian32(6) +
                                "Hello" + QByteArray(1, '\0');
    EXPECT_EQ(Content(), expected);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(WaveChunks, RetaggingRetiresIdsAndUpdatesBextWhereItStands) {
    const QString path = Put(TWavFixture::ShortPcm());
    TagAllThree(path);
    EXPECT_EQ(TWavFixture::ChunkIds(Content()),
              QStringList({"fmt ", "data", "id3 ", "bext", "iXML"}));
    TagAllThree(path);
    EXPECT_EQ(TWavFixture::ChunkIds(Content()),
              QStringList({"fmt ", "data", "Xid3", "bext", "0XML", "id3 ", "iXML"}));
    EXPECT_EQ(TWavFixture::UInt32At(Content(), 4), quint32(Content().size() - 8));
}

TEST_F(WaveChunks, BextBeforeDataIsUpdatedInPlaceAndRiffSizeLeftAlone) {
    const QByteArray oldBext = QByteArray(338, 'o') + QByteArray(264, 'k');
    QByteArray original = TWavFixture()
                              .Chunk("fmt ", TWavFixture::PcmFormat())
                              .Chunk("bext", oldBext)
                              .Chunk("data", TWavFixture::AudioBytes(100))
                              .Bytes();
    original.replace(4, 4, TWavFixture::LittleEndian32(12345)); // wrong, and must stay so
    Update(Put(original), bextId, bextPrefix, bextPayload);

    QByteArray expected = original;
    expected.replace(12 + 24 + 8, 338, bextPrefix);
    EXPECT_EQ(Content(), expected);
}

TEST_F(WaveChunks, EveryChunkOfTheIdIsRetired) {
    const QByteArray original = TWavFixture()
                                    .Chunk("iXML", "<a/>")
                                    .Chunk("data", TWavFixture::AudioBytes(10))
                                    .Chunk("iXML", "<b/>")
                                    .Bytes();
    Replace(Put(original), ixmlId, oxmlId, "<c/>");
    EXPECT_EQ(TWavFixture::ChunkIds(Content()), QStringList({"0XML", "data", "0XML", "iXML"}));
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "0XML"), "<a/>");
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "iXML"), "<c/>");
}

TEST_F(WaveChunks, OddChunksAndTheirPadBytesAreSteppedOver) {
    struct Case {
        const char* name;
        QByteArray file;
    };
    const Case cases[] = {
        {"odd chunk in the middle",
         TWavFixture().Chunk("odd ", "abc").Chunk("data", "12").Bytes()},
        {"odd chunk last", TWavFixture().Chunk("data", "12").Chunk("odd ", "abcde").Bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Replace(Put(c.file), id3Id, xid3Id, "x");
        EXPECT_EQ(Content().mid(8), c.file.mid(8) + "id3 " + TWavFixture::LittleEndian32(2) + "x" + '\0');
        EXPECT_EQ(TWavFixture::UInt32At(Content(), 4), quint32(c.file.size() + 10 - 8));
    }
}

TEST_F(WaveChunks, FileEndingAfterWaveGetsItsChunkAtOffset12) {
    Replace(Put(QByteArray("RIFF\x04\x00\x00\x00WAVE", 12)), id3Id, xid3Id, "ab");
    EXPECT_EQ(Content(), QByteArray("RIFF\x0E\x00\x00\x00WAVEid3 \x02\x00\x00\x00"
                                    "ab",
                                    22));
}

TEST_F(WaveChunks, WrongRiffSizeIsCorrectedByAnAppend) {
    for (quint32 wrong : {0u, 7u, 0xFFFFFFFFu}) {
        QByteArray file = TWavFixture::Minimal44();
        file.replace(4, 4, TWavFixture::LittleEndian32(wrong));
        Update(Put(file), bextId, bextPrefix, bextPayload);
        EXPECT_EQ(TWavFixture::UInt32At(Content(), 4), quint32(44 + 8 + 612 - 8));
    }
}

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

TEST_F(WaveChunks, BextTooShortForThePrefixIsRetiredNotOverrun) {
    const QByteArray shortBext(100, 's');
    const QByteArray file =
        TWavFixture().Chunk("bext", shortBext).Chunk("data", TWavFixture::AudioBytes(10)).Bytes();
    Update(Put(file), bextId, bextPrefix, bextPayload);
    EXPECT_EQ(TWavFixture::ChunkIds(Content()), QStringList({"Xbex", "data", "bext"}));
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "Xbex"), shortBext);
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "bext"), bextPayload);
    EXPECT_TRUE(errors.isEmpty());
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

TEST_F(WaveChunks, FileThatCannotBeOpenedShowsTheSystemReason) {
    const QString missing = dir.File("missing.wav");
    Replace(missing, id3Id, xid3Id, "x");
    Update(dir.Path(), bextId, bextPrefix, bextPayload);
    EXPECT_EQ(errors,
              QStringList({QString("Cannot open file \"%1\". No such file or directory").arg(missing),
                           QString("Cannot open file \"%1\". Is a directory").arg(dir.Path())}));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(WaveChunks, FileHeldByAReaderIsNotTouchedUntilItLetsGo) {
    const QByteArray original = TWavFixture::ShortPcm();
    const QString path = Put(original);
    {
        const TSharedFileLock player(path);
        ASSERT_TRUE(player.IsLocked());
        Replace(path, id3Id, xid3Id, "x");
        Update(path, bextId, bextPrefix, bextPayload);
    }
    const QString busy = QString("Cannot open file \"%1\". Resource temporarily unavailable").arg(path);
    EXPECT_EQ(errors, QStringList({busy, busy}));
    EXPECT_EQ(Content(), original);

    Replace(path, id3Id, xid3Id, "x");
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(TWavFixture::ChunkIds(Content()), QStringList({"fmt ", "data", "id3 "}));
}

TEST_F(WaveChunks, FailedAppendLeavesTheFileAsItWas) {
    // A file size limit makes the append fail part way, as a full disk would.
    const QByteArray tagged = TWavFixture()
                                  .Chunk("fmt ", TWavFixture::PcmFormat())
                                  .Chunk("data", TWavFixture::AudioBytes(100))
                                  .Chunk("iXML", "<old/>")
                                  .Bytes();
    const std::pair<const char*, QByteArray> cases[] = {
        {"appended at the end", tagged},
        {"written over zero padding", tagged + QByteArray(30, '\0')},
    };
    for (const auto& [name, original] : cases) {
        SCOPED_TRACE(name);
        errors.clear();
        const QString path = Put(original);
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit limited = saved;
        limited.rlim_cur = rlim_t(original.size() + 20);
        const sighandler_t oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        Replace(path, ixmlId, oxmlId, QByteArray(100, 'n'));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldHandler);

        EXPECT_EQ(errors,
                  QStringList(QString("Cannot write file \"%1\". File too large").arg(path)));
        EXPECT_EQ(Content(), original);
    }
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

TEST_F(WaveChunks, ReadOnlyFileIsNotTouched) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    const QByteArray original = TWavFixture::ShortPcm();
    const QString path = Put(original);
    QFile::setPermissions(path, QFile::ReadOwner);
    Replace(path, id3Id, xid3Id, "x");
    EXPECT_EQ(errors,
              QStringList(QString("Cannot open file \"%1\". Permission denied").arg(path)));
    EXPECT_EQ(Content(), original);
}

TEST_F(WaveChunks, AppendBeyondTheRiffLimitIsRefusedBeforeAnyWrite) {
    // A sparse file that leaves room for one more chunk of exactly 12 bytes.
    const quint64 length = 0x100000008ull - 20;
    const QByteArray header = TWavFixture().Raw("iXML" + TWavFixture::LittleEndian32(2) + "ab")
                                  .Raw("data" + TWavFixture::LittleEndian32(quint32(length - 30)))
                                  .Bytes();
    const QString path = Put(header);
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), off_t(length)), 0);

    Replace(path, ixmlId, oxmlId, "fits");  // 8 + 4 = 12 bytes: exactly fits
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(QFileInfo(path).size(), qint64(0x100000008ull - 8));

    Replace(path, ixmlId, oxmlId, "too big");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("4 GiB")) << errors[0].toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(12), QByteArray("RIFF\xF8\xFF\xFF\xFFWAVE", 12));
    EXPECT_EQ(file.read(4), "0XML"); // from the first write only
    file.seek(length);
    EXPECT_EQ(file.read(4), "iXML");
}
