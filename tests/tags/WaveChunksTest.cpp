// The chunk walker on well-formed files: where chunks go, what is retired, what is refused
// when the file cannot be written.
#include "tags/TSharedFileLock.h"
#include "tags/TWavFixture.h"
#include "tags/WaveChunksFixture.h"

#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace wavechunks;

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
