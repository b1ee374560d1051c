// Reads files written by the tagger back with real readers (exiftool, ffprobe, TagLib, mutagen,
// libsndfile), each skipped when it is not installed.
#include "app/tsound.h"
#include "common/SkipWithoutTool.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "tags/TTagger.h"
#include "tags/TWavFixture.h"
#include "tags/TagTemplates.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <sndfile.h>

#ifdef TRACKMOTH_HAVE_TAGLIB
#include <taglib/id3v2tag.h>
#include <taglib/wavfile.h>
#endif

#include <gtest/gtest.h>

namespace {
// Non-ASCII in every field, and XML's special characters in the description.
tsound TaggedSound(const QString& path) {
    tsound sound;
    sound.path = path;
    sound.Description = QString::fromUtf8("Cat &amp; dög <growl>");
    sound.ID3.Title = QString::fromUtf8("Björk in Reykjavík");
    sound.ID3.Artist = QString::fromUtf8("Nätur");
    sound.ID3.Comment = QString::fromUtf8("Regen über Köln");
    sound.ID3.Publisher = "Acme";
    sound.ID3.Album = QString::fromUtf8("Vögel 2");
    sound.ID3.Year = "1999";
    sound.ID3.Date = "2512";
    sound.bwav = "%SoundDescription;";
    sound.bWav2 = "%Publisher;";
    sound.bWav3 = "%CD;";
    MakeDefaultIxml(sound);
    return sound;
}

QString DescriptionDecoded() { return QString::fromUtf8("Cat &amp; dög <growl>"); }

QJsonObject RunJson(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(process.readAllStandardOutput());
    if (document.isArray())
        return document.array().isEmpty() ? QJsonObject() : document.array().first().toObject();
    return document.object();
}

// What mutagen reads of a WAV file: the ID3 title (null without one) and the sample rate.
QJsonObject ReadWithMutagen(const QString& path) {
    const QString script = "import json, sys, mutagen.wave\n"
                           "f = mutagen.wave.WAVE(sys.argv[1])\n"
                           "t = f.tags\n"
                           "title = str(t['TIT2']) if t is not None and 'TIT2' in t else None\n"
                           "print(json.dumps({'title': title, 'rate': f.info.sample_rate}))\n";
    return RunJson(SystemPython(), {"-c", script, path});
}

// The 16-bit samples libsndfile reads from `path`, as bytes; empty when it cannot open it.
QByteArray ReadWithSndfile(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    QByteArray samples(qsizetype(info.frames * info.channels * 2), '\0');
    const sf_count_t read =
        sf_readf_short(file, reinterpret_cast<short*>(samples.data()), info.frames);
    sf_close(file);
    samples.truncate(qsizetype(read * info.channels * 2));
    return samples;
}

class TagReaders : public ::testing::Test {
protected:
    // Tags twice, with an older title first, so readers must find the newer copies.
    QString WriteFile(bool id3, bool bext, bool ixml) {
        const QString path = dir.Write("sound.wav", TWavFixture::ShortPcm());
        TTagger tagger;
        tagger.WriteID3 = id3;
        tagger.WriteBwav = bext;
        tagger.WriteIXML = ixml;
        tsound older = TaggedSound(path);
        older.ID3.Title = "Old title";
        older.bwav = "Old description";
        older.XMLdata = "<BWFXML><NOTE>Old</NOTE></BWFXML>";
        EXPECT_EQ(tagger.WriteTags(older).ErrorText(), "");
        EXPECT_EQ(tagger.WriteTags(TaggedSound(path)).ErrorText(), "");
        return path;
    }
    static QString Tool(const char* name) { return QStandardPaths::findExecutable(name); }

    TTestDir dir;
    TRecordingMessages messages;
};
} // namespace

TEST_F(TagReaders, ExiftoolReadsAllThreeKinds) {
    const QString exiftool = Tool("exiftool");
    if (exiftool.isEmpty())
        GTEST_SKIP() << "exiftool is not installed";
    const QJsonObject tags = RunJson(exiftool, {"-j", "-G1", "-a", WriteFile(true, true, true)});
    ASSERT_FALSE(tags.isEmpty());
    const tsound sound = TaggedSound({});
    EXPECT_EQ(tags["ID3v2_4:Title"].toString(), sound.ID3.Title);
    EXPECT_EQ(tags["ID3v2_4:Artist"].toString(), sound.ID3.Artist);
    EXPECT_EQ(tags["ID3v2_4:Comment"].toString(), sound.ID3.Comment);
    EXPECT_EQ(tags["ID3v2_4:RecordingTime"].toString(), "1999:12:25");
    EXPECT_EQ(tags["RIFF:Description"].toString(), DescriptionDecoded());
    EXPECT_EQ(tags["RIFF:Originator"].toString(), "Acme");
    EXPECT_EQ(tags["RIFF:OriginatorReference"].toString(), QString::fromUtf8("Vögel 2"));
    EXPECT_EQ(tags["XML:BwfxmlNote"].toString(), QString::fromUtf8("Cat & dög <growl>"));
}

TEST_F(TagReaders, FfprobeReadsId3AndBext) {
    const QString ffprobe = Tool("ffprobe");
    if (ffprobe.isEmpty())
        GTEST_SKIP() << "ffprobe is not installed";
    const QStringList arguments = {"-v", "error", "-show_format", "-of", "json"};
    // ffprobe shows the ID3 texts only when the file has no bext chunk.
    const QJsonObject id3 =
        RunJson(ffprobe, arguments + QStringList(WriteFile(true, false, true)))["format"]
            .toObject()["tags"].toObject();
    const tsound sound = TaggedSound({});
    EXPECT_EQ(id3["title"].toString(), sound.ID3.Title);
    EXPECT_EQ(id3["artist"].toString(), sound.ID3.Artist);
    EXPECT_EQ(id3["comment"].toString(), sound.ID3.Comment);

    const QJsonObject bext =
        RunJson(ffprobe, arguments + QStringList(WriteFile(true, true, true)))["format"]
            .toObject()["tags"].toObject();
    EXPECT_EQ(bext["comment"].toString(), DescriptionDecoded());
    EXPECT_EQ(bext["encoded_by"].toString(), "Acme");
    EXPECT_EQ(bext["originator_reference"].toString(), QString::fromUtf8("Vögel 2"));
}

TEST_F(TagReaders, TagLibReadsTheId3Tag) {
#ifdef TRACKMOTH_HAVE_TAGLIB
    const QString path = WriteFile(true, true, true);
    TagLib::RIFF::WAV::File file(QFile::encodeName(path).constData());
    ASSERT_TRUE(file.isValid());
    ASSERT_TRUE(file.hasID3v2Tag());
    const TagLib::ID3v2::Tag* tag = file.ID3v2Tag();
    const tsound sound = TaggedSound({});
    EXPECT_EQ(QString::fromStdString(tag->title().to8Bit(true)), sound.ID3.Title);
    EXPECT_EQ(QString::fromStdString(tag->artist().to8Bit(true)), sound.ID3.Artist);
    EXPECT_EQ(QString::fromStdString(tag->comment().to8Bit(true)), sound.ID3.Comment);
    EXPECT_EQ(QString::fromStdString(tag->album().to8Bit(true)), sound.ID3.Album);
    EXPECT_EQ(tag->year(), 1999u);
    EXPECT_EQ(file.audioProperties()->sampleRate(), 44100);
#else
    GTEST_SKIP() << "TagLib is not installed";
#endif
}

TEST_F(TagReaders, MutagenSeesOurTitleNotTheOneOfAnotherToolsId3Chunk) {
    SKIP_WITHOUT_PYTHON_MODULE("mutagen");
    // An ID3v2.3 tag as other tools write it, in a chunk spelled "ID3 ".
    const QByteArray oldTitle = "Old title";
    const QByteArray theirs = "ID3" + QByteArray::fromHex("030000") + QByteArray::fromHex("00000014") +
                              "TIT2" + QByteArray::fromHex("0000000a0000") + '\0' + oldTitle;
    const QByteArray format = TWavFixture::PcmFormat();
    const QByteArray audio = TWavFixture::AudioBytes(4 * 441);
    const std::pair<const char*, QByteArray> fixtures[] = {
        {"before the audio",
         TWavFixture().Chunk("fmt ", format).Chunk("ID3 ", theirs).Chunk("data", audio).Bytes()},
        {"after the audio",
         TWavFixture().Chunk("fmt ", format).Chunk("data", audio).Chunk("ID3 ", theirs).Bytes()},
    };
    TTagger tagger;
    tagger.WriteID3 = true;
    for (const auto& [name, file] : fixtures) {
        SCOPED_TRACE(name);
        const QString path = dir.Write("theirs.wav", file);
        ASSERT_EQ(ReadWithMutagen(path)["title"].toString(), oldTitle) << "the fixture reads";
        EXPECT_EQ(tagger.WriteTags(TaggedSound(path)).ErrorText(), "");
        EXPECT_EQ(ReadWithMutagen(path)["title"].toString(), TaggedSound({}).ID3.Title);
        QStringList id3Chunks;
        for (const QString& id : TWavFixture::ChunkIds(dir.Read("theirs.wav")))
            if (id.compare("id3 ", Qt::CaseInsensitive) == 0)
                id3Chunks.append(id);
        EXPECT_EQ(id3Chunks, QStringList("id3 ")) << "exactly one ID3 chunk in use";
    }
}

TEST_F(TagReaders, ZeroPaddedFileIsTaggedAndStillReads) {
    QFile fixture(QStringLiteral(TRACKMOTH_TEST_DATA "/wav/tags-zero-padding.wav"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray original = fixture.readAll();
    const QString path = dir.Write("padded.wav", original);
    const QByteArray audio = ReadWithSndfile(path);
    ASSERT_EQ(audio.size(), 4000);

    TTagger tagger;
    tagger.WriteID3 = tagger.WriteBwav = tagger.WriteIXML = true;
    EXPECT_EQ(tagger.WriteTags(TaggedSound(path)).ErrorText(), "");
    const QByteArray tagged = dir.Read("padded.wav");
    EXPECT_EQ(TWavFixture::ChunkIds(tagged), QStringList({"fmt ", "data", "id3 ", "bext", "iXML"}));
    EXPECT_EQ(TWavFixture::ChunkData(tagged, "data"), TWavFixture::ChunkData(original, "data"));
    EXPECT_EQ(ReadWithSndfile(path), audio);
    if (!HasPythonModule("mutagen"))
        GTEST_SKIP() << "the Python module mutagen is not installed";
    const QJsonObject read = ReadWithMutagen(path);
    EXPECT_EQ(read["title"].toString(), TaggedSound({}).ID3.Title);
    EXPECT_EQ(read["rate"].toInt(), 44100);
}
