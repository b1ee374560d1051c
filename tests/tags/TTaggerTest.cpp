#include "app/DiskPath.h"
#include "app/tsound.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "tags/TBextInfo.h"
#include "tags/TTagger.h"
#include "tags/TWavFixture.h"
#include "tags/TagTemplates.h"

#include <QFile>

#include <cstdio>

#include <gtest/gtest.h>

namespace {
QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// Files by the bytes of their names, which QFile cannot take when they are no valid UTF-8.
void WriteByBytes(const QByteArray& name, const QByteArray& content) {
    std::FILE* file = std::fopen(name.constData(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(content.constData(), 1, size_t(content.size()), file);
    std::fclose(file);
}

QByteArray ReadByBytes(const QByteArray& name) {
    std::FILE* file = std::fopen(name.constData(), "rb");
    if (!file)
        return {};
    QByteArray content;
    char block[4096];
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
        content.append(block, qsizetype(got));
    std::fclose(file);
    return content;
}

class Tagger : public ::testing::Test {
protected:
    tsound& Sound(const QByteArray& content = TWavFixture::Minimal44()) {
        sound.path = dir.Write("sound.wav", content);
        return sound;
    }
    QByteArray Content() const { return dir.Read("sound.wav"); }
    static TTagger AllKinds() {
        TTagger tagger;
        tagger.WriteID3 = tagger.WriteBwav = tagger.WriteIXML = true;
        return tagger;
    }

    // Writes with `tagger` and adds the errors its result reports to `errors`.
    void Write(const TTagger& tagger, const tsound& which) {
        errors += tagger.WriteTags(which).Errors();
    }

    TTestDir dir;
    void TearDown() override { EXPECT_EQ(messages.Messages, QStringList()) << "shown, not returned"; }

    TRecordingMessages messages; // nothing may be shown: every error is in the results
    QStringList errors;
    tsound sound;
};
} // namespace

TEST_F(Tagger, TitleDogGivesTheExactChunk) {
    TTagger tagger;
    tagger.WriteID3 = true;
    Sound().ID3.Title = "Dog";
    Write(tagger, sound);
    const QByteArray expected = "id3 " + Hex("18000000") + "ID3" + Hex("040000") +
                                Hex("0000000e") + "TIT2" + Hex("00000004") + Hex("0000") +
                                Hex("00") + Hex("446f67");
    EXPECT_EQ(Content().mid(44), expected);
    EXPECT_EQ(Content().size(), 44 + 8 + 24);
}

TEST_F(Tagger, EmptyTagStillGivesTheTenByteHeader) {
    EXPECT_EQ(TTagger::BuildId3Tag(TmyID3tag()), "ID3" + Hex("04000000000000"));
    TTagger tagger;
    tagger.WriteID3 = true;
    Write(tagger, Sound());
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "id3 "), "ID3" + Hex("04000000000000"));
}

TEST_F(Tagger, OversizedFrameOrTagIsRefusedAndTheOtherKindsStillRun) {
    struct Case {
        const char* name;
        qsizetype titleLength;
        qsizetype artistLength;
        QString message;
    };
    const Case cases[] = {
        {"frame", 0xFFFFFF, 0, "Frame Size too big (16777216Bytes)"},
        {"tag", 0x800000, 0x800000, "Frame Size too big (16777238Bytes)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        Sound(TWavFixture::ShortPcm());
        sound.ID3.Title = QString(c.titleLength, 'x');
        sound.ID3.Artist = QString(c.artistLength, 'a');
        sound.XMLdata = "<X/>";
        Write(AllKinds(), sound);
        EXPECT_EQ(errors, QStringList(c.message));
        EXPECT_EQ(TWavFixture::ChunkIds(Content()), QStringList({"fmt ", "data", "bext", "iXML"}));
    }
}

TEST_F(Tagger, ExistingBextKeepsEverythingAfterTheFieldsItWrites) {
    QByteArray oldBext = QByteArray(338, 'o');
    oldBext += Hex("01020304") + Hex("05060708") + Hex("0200") + QByteArray(254, 'u') +
               "A=PCM,F=44100\r\n"; // time reference, version 2, UMID and reserved, history
    Sound(TWavFixture().Chunk("fmt ", TWavFixture::PcmFormat()).Chunk("bext", oldBext).Chunk(
        "data", TWavFixture::AudioBytes(20)).Bytes());
    sound.bwav = "New description";
    sound.bWav2 = "Me";
    sound.bWav3 = "Ref";
    TTagger tagger;
    tagger.WriteBwav = true;
    Write(tagger, sound);
    const QByteArray bext = TWavFixture::ChunkData(Content(), "bext");
    EXPECT_EQ(bext.left(338), TBextInfo::Build("New description", "Me", "Ref"));
    EXPECT_EQ(bext.mid(338), oldBext.mid(338));
}

TEST_F(Tagger, OnlyWavSoundsAreOpened) {
    for (TAudioFormat format : {sfmp3, sfAIFF}) {
        const QByteArray content = "not a wave file, and must stay so";
        Sound(content).Format = format;
        Write(AllKinds(), sound);
        EXPECT_EQ(Content(), content);
    }
    sound.path = dir.File("missing.mp3"); // not even opened: no open error
    Write(AllKinds(), sound);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Tagger, AllFlagsOffDoesNothing) {
    Sound().ID3.Title = "Dog";
    sound.XMLdata = "<X/>";
    Write(TTagger(), sound);
    EXPECT_EQ(Content(), TWavFixture::Minimal44());
    sound.path = dir.File("missing.wav");
    Write(TTagger(), sound);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Tagger, IxmlOfOddLengthGetsOneZeroByte) {
    TTagger tagger;
    tagger.WriteIXML = true;
    const std::pair<QString, QByteArray> cases[] = {
        {"<A/>", Hex("04000000") + "<A/>"},
        {"<AB/>", Hex("06000000") + "<AB/>" + Hex("00")},
        {"", Hex("00000000")},
        {QString::fromUtf8("<N>é</N>"), Hex("0a000000") + "<N>\xc3\xa9</N>" + Hex("00")},
    };
    for (const auto& [xml, chunk] : cases) {
        Sound().XMLdata = xml;
        Write(tagger, sound);
        EXPECT_EQ(Content().mid(44), "iXML" + chunk);
    }
}

TEST_F(Tagger, RefusedFileGivesOneErrorWhateverKindsAreAsked) {
    struct Case {
        const char* name;
        QByteArray content; // empty: no file at all
        QString error;
    };
    const Case cases[] = {
        {"not RIFF", "RIFX" + TWavFixture::Minimal44().mid(4), "Invalid Wave file, no RIFF header"},
        {"not WAVE", TWavFixture::Minimal44().replace(8, 4, "AVI "), "Invalid Wave file, no WAVE header"},
        {"damaged", TWavFixture().Chunk("data", "12").Raw("junk and more junk").Bytes(),
         "Invalid Wave file, damaged chunk at byte 22"},
        {"missing", {}, "Cannot open file \"%1\". No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int kinds = 1; kinds < 8; ++kinds) {
            errors.clear();
            c.content.isEmpty() ? void(sound.path = dir.File("missing.wav")) : void(Sound(c.content));
            TTagger tagger;
            tagger.WriteID3 = kinds & 1;
            tagger.WriteBwav = kinds & 2;
            tagger.WriteIXML = kinds & 4;
            Write(tagger, sound);
            EXPECT_EQ(errors, QStringList(c.error.arg(sound.path))) << kinds;
            if (!c.content.isEmpty())
                EXPECT_EQ(Content(), c.content);
        }
    }
}

TEST_F(Tagger, OurId3ChunkRetiresAnotherToolsUpperCaseOne) {
    const QByteArray theirs = TTagger::BuildId3Tag([] {
        TmyID3tag tag;
        tag.Title = "Old title";
        return tag;
    }());
    Sound(TWavFixture()
              .Chunk("fmt ", TWavFixture::PcmFormat())
              .Chunk("ID3 ", theirs)
              .Chunk("data", TWavFixture::AudioBytes(10))
              .Chunk("id3 ", theirs)
              .Bytes())
        .ID3.Title = "Dog";
    TTagger tagger;
    tagger.WriteID3 = true;
    Write(tagger, sound);
    EXPECT_EQ(TWavFixture::ChunkIds(Content()), QStringList({"fmt ", "XID3", "data", "Xid3", "id3 "}));
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "XID3"), theirs) << "retired, not removed";
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "id3 "), TTagger::BuildId3Tag(sound.ID3));
}

TEST_F(Tagger, RecordKeepsItsTemplatesAndEachWriteUsesTheValuesOfTheMoment) {
    Sound(TWavFixture::ShortPcm()).Description = "Rain";
    sound.ID3.Publisher = "Acme";
    sound.bwav = "%SoundDescription;";
    sound.bWav2 = "%Publisher;";
    sound.XMLdata = "<BWFXML><NOTE>%SoundDescription; by %Label;</NOTE></BWFXML>";
    const tsound templates = sound;
    const TTagger tagger = AllKinds();
    Write(tagger, sound);
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "iXML"), "<BWFXML><NOTE>Rain by Acme</NOTE></BWFXML>");

    // The user fixes description and publisher, and the file is processed again.
    sound.Description = "Heavy rain, 100% wet";
    sound.ID3.Publisher = "Acme & Sons";
    Write(tagger, sound);
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "bext").left(338),
              TBextInfo::Build("Heavy rain, 100% wet", "Acme & Sons", ""));
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "iXML"),
              QByteArray("<BWFXML><NOTE>Heavy rain, 100% wet by Acme &amp; Sons</NOTE></BWFXML>") +
                  '\0'); // odd length: one zero byte
    EXPECT_EQ(QStringList({sound.bwav, sound.bWav2, sound.bWav3, sound.XMLdata}),
              QStringList({templates.bwav, templates.bWav2, templates.bWav3, templates.XMLdata}));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Tagger, PlaceholdersInsideValuesStayLiteral) {
    Sound(TWavFixture::ShortPcm()).Description = "Thunder %Year; %Publisher;";
    sound.ID3.Year = "1999";
    sound.ID3.Publisher = "Acme";
    sound.bwav = "%SoundDescription;";
    MakeDefaultIxml(sound);
    Write(AllKinds(), sound);
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "bext").left(27), "Thunder %Year; %Publisher;" + QByteArray(1, '\0'));
    EXPECT_EQ(TWavFixture::ChunkData(Content(), "iXML"),
              "<BWFXML><NOTE>Thunder %Year; %Publisher;</NOTE></BWFXML>");
}

TEST_F(Tagger, FileNamedInLatin1IsOpenedByItsBytes) {
    const QByteArray folder = QFile::encodeName(dir.Path());
    const QByteArray name = folder + "/Caf\xe9 old.wav";
    WriteByBytes(name, TWavFixture::ShortPcm());
    SetPathFromDisk(sound, name);
    sound.ID3.Title = "Dog";
    Write(AllKinds(), sound);
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(TWavFixture::ChunkIds(ReadByBytes(name)),
              QStringList({"fmt ", "data", "id3 ", "bext", "iXML"}));

    SetPathFromDisk(sound, folder + "/Caf\xe9 gone.wav");
    Write(AllKinds(), sound);
    EXPECT_EQ(errors.value(0), QString::fromUtf8("Cannot open file \"%1/Café gone.wav\". No such file or "
                                                 "directory").arg(dir.Path()));
}

TEST_F(Tagger, WriteTagsToTagsTheSideFileAndLeavesTheSoundsOwn) {
    Sound(TWavFixture::ShortPcm()).ID3.Title = "Dog";
    const QString side = dir.Write("Rain.wav.part", TWavFixture::ShortPcm());
    TTagger tagger;
    tagger.WriteID3 = true;
    errors += tagger.WriteTagsTo(sound, QFile::encodeName(side)).Errors();
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(Content(), TWavFixture::ShortPcm());
    EXPECT_EQ(TWavFixture::ChunkData(dir.Read("Rain.wav.part"), "id3 "), TTagger::BuildId3Tag(sound.ID3));

    errors += tagger.WriteTagsTo(sound, QFile::encodeName(dir.File("gone.part"))).Errors();
    EXPECT_EQ(errors, QStringList(QString("Cannot open file \"%1\". No such file or directory")
                                      .arg(dir.File("gone.part"))));
}

TEST_F(Tagger, NoAudioByteChangesInAnyFixture) {
    const QByteArray audio = TWavFixture::AudioBytes(1001);
    const QByteArray format = TWavFixture::PcmFormat();
    const QByteArray oldBext = QByteArray(602, 'b');
    const std::pair<const char*, QByteArray> fixtures[] = {
        {"plain", TWavFixture().Chunk("fmt ", format).Chunk("data", audio).Bytes()},
        {"bext before data",
         TWavFixture().Chunk("fmt ", format).Chunk("bext", oldBext).Chunk("data", audio).Bytes()},
        {"short bext after data",
         TWavFixture().Chunk("fmt ", format).Chunk("data", audio).Chunk("bext", "x").Bytes()},
        {"tags before data", TWavFixture()
                                 .Chunk("id3 ", "ID3")
                                 .Chunk("iXML", "<a/>")
                                 .Chunk("fmt ", format)
                                 .Chunk("data", audio)
                                 .Chunk("iXML", "<b/>")
                                 .Bytes()},
        {"stray bytes", TWavFixture().Chunk("fmt ", format).Chunk("data", audio).Raw("abc").Bytes()},
        {"wrong RIFF size",
         TWavFixture().Chunk("fmt ", format).Chunk("data", audio).Bytes().replace(
             4, 4, TWavFixture::LittleEndian32(3))},
        {"cut-off data", TWavFixture().Chunk("fmt ", format).Raw("data" +
             TWavFixture::LittleEndian32(2000) + audio).Bytes()},
    };
    for (const auto& [name, file] : fixtures) {
        SCOPED_TRACE(name);
        TWavFixture::TChunk data{};
        for (const TWavFixture::TChunk& chunk : TWavFixture::Chunks(file))
            if (chunk.id == "data")
                data = chunk;
        Sound(file).ID3.Title = "Dog";
        sound.bwav = "Bark";
        sound.XMLdata = "<BWFXML/>";
        Write(AllKinds(), sound);
        Write(AllKinds(), sound);
        const QByteArray result = Content();
        EXPECT_EQ(result.mid(data.offset, 8 + 1001), file.mid(data.offset, 8 + 1001));
        EXPECT_EQ(TWavFixture::UInt32At(result, 4), quint32(result.size() - 8));
        EXPECT_TRUE(errors.isEmpty());
    }
}
