#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/RunStageJob.h"
#include "cdimport/TFakeEncoderProgram.h"
#include "cdimport/TLameEnc.h"
#include "cdimport/TLameProgram.h"
#include "cdimport/TSineWav.h"
#include "common/QtPrinters.h"
#include "common/SkipWithoutTool.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
const TOutputFormat mp3At192{sfmp3, 192, 16, 44100};

TmyID3tag SampleTags() {
    TmyID3tag tags;
    tags.Title = "Door \"slam\", heavy";
    tags.Artist = "Foley Series";
    tags.Album = "Doors and Gates";
    tags.Year = "2019";
    tags.GenreText = "Sound Effects";
    tags.Publisher = "Moth Audio";
    tags.Disc = "1/3";
    tags.Track = "7";
    return tags;
}

// The tags of an MP3 file as ffprobe reads them, "name=value" per line, and its format.
QStringList ProbeMp3(const QString& path) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name:format_tags",
                            "-of", "default=noprint_wrappers=1", path});
    probe.waitForFinished(30000);
    return QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

class TLameEncTest : public ::testing::Test {
protected:
    TLameEncTest() {
        auto fakeProgram = std::make_unique<TFakeEncoderProgram>();
        program = fakeProgram.get();
        stage = std::make_unique<TLameEnc>(std::move(fakeProgram));
        sound.path = dir.File("Track 01.mp3");
        sound.ID3 = SampleTags();
    }
    // The job of an MP3 import whose rip went into "Track 01.mp3.rip.wav".
    std::shared_ptr<TsdxJob> Job() {
        dir.Write("Track 01.mp3.rip.wav", ripped);
        return std::make_shared<TsdxJob>(
            TsdxJob{jkEncodeMp3, jsWaiting, BorrowedSound(sound), 0, dir.File("Track 01.mp3.rip.wav")});
    }
    QStringList Files() const { return QDir(dir.Path()).entryList(QDir::Files); }

    TTestDir dir;
    TRecordingMessages messages;
    const QByteArray ripped = "RIFF ripped samples";
    tsound sound;
    TFakeEncoderProgram* program = nullptr;
    std::unique_ptr<TLameEnc> stage;
};
} // namespace

TEST(TLameEncArgumentsTest, PiecesGoAsSeparateArgumentsAndEmptyTagsStayOut) {
    const QString wav = "/x/Track 01.mp3.rip.wav";
    const QString mp3 = "/x/Track 01.mp3";
    TmyID3tag noGenre = SampleTags();
    noGenre.GenreText.clear();
    noGenre.Year.clear();
    EXPECT_EQ(TLameEnc::Arguments(192, false, SampleTags(), wav, mp3),
              QStringList({"-h", "-b", "192", wav, mp3}));
    EXPECT_EQ(TLameEnc::Arguments(0, false, {}, wav, mp3), QStringList({"-h", "-b", "256", wav, mp3}));
    EXPECT_EQ(TLameEnc::Arguments(128, true, SampleTags(), wav, mp3),
              QStringList({"-h", "-b", "128", "--tt", "Door \"slam\", heavy", "--ta", "Foley Series",
                           "--tl", "Doors and Gates", "--ty", "2019", "--tv", "TCON=Sound Effects",
                           "--tv", "TPUB=Moth Audio", "--tv", "TPOS=1/3", "--tn", "7", wav, mp3}));
    EXPECT_EQ(TLameEnc::Arguments(128, true, noGenre, wav, mp3),
              QStringList({"-h", "-b", "128", "--tt", "Door \"slam\", heavy", "--ta", "Foley Series",
                           "--tl", "Doors and Gates", "--tv", "TPUB=Moth Audio", "--tv", "TPOS=1/3",
                           "--tn", "7", wav, mp3}));
    EXPECT_EQ(TLameEnc::Arguments(320, true, {}, wav, mp3), QStringList({"-h", "-b", "320", wav, mp3}));
}

TEST(TLameEncArgumentsTest, WavNameReplacesTheExtension) {
    EXPECT_EQ(TLameEnc::WavNameFor("/x/Track 01.mp3"), "/x/Track 01.wav");
    EXPECT_EQ(TLameEnc::WavNameFor("/x.y/Track 01"), "/x.y/Track 01.wav");
    EXPECT_EQ(TLameEnc::WavNameFor("/x/Rain. Heavy.mp3"), "/x/Rain. Heavy.wav");
}

TEST_F(TLameEncTest, EncodesTheRipIntoASideFileAndRemovesTheRipOnlyOnceTheMp3IsWhole) {
    // Files of the user's that only look like the stage's: none is read, replaced or deleted.
    dir.Write("Track 01.wav", "an earlier WAV import");
    dir.Write("Track 01.mp3_", "a file of the user's");
    const auto job = Job();

    ASSERT_TRUE(RunStageJob(*stage, job, mp3At192, true));

    ASSERT_EQ(program->Runs.size(), 1);
    EXPECT_EQ(program->Runs[0].mid(0, 5), QStringList({"-h", "-b", "192", "--tt", sound.ID3.Title}));
    EXPECT_EQ(program->Runs[0].value(19), dir.File("Track 01.mp3.rip.wav"));
    EXPECT_EQ(program->InputSeen, ripped);
    EXPECT_EQ(Files(), QStringList({"Track 01.mp3.part", "Track 01.mp3_", "Track 01.wav"}))
        << "the job handler gives the MP3 its name";
    EXPECT_EQ(stage->LastResult().Output, dir.File("Track 01.mp3.part"));
    EXPECT_EQ(dir.Read("Track 01.mp3.part"), program->Output);
    EXPECT_EQ(dir.Read("Track 01.wav"), "an earlier WAV import");
    EXPECT_EQ(dir.Read("Track 01.mp3_"), "a file of the user's");
    EXPECT_EQ(sound.Status, ssDone);
    EXPECT_EQ(job->JobState, jsDone);
    EXPECT_TRUE(stage->LastResult().Succeeded);
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST_F(TLameEncTest, FailedEncodingKeepsTheRipUnderAWavNameNothingHad) {
    struct TCase {
        const char* Name;
        TEncoderRun Result;
        QByteArray Output;
        bool Mp3Exists;
        QString Reason;
    };
    const TCase cases[] = {
        {"cannot start", {false, false}, "", false, "Error starting encoding!"},
        {"exits with an error", {true, false}, "half an MP3", true, "The encoder ended with an error"},
        {"writes no MP3", {true, true}, "", false, "The encoder wrote no MP3"},
    };
    for (const TCase& c : cases) {
        for (const QString& file : Files())
            QFile::remove(dir.File(file));
        dir.Write("Track 01.wav", "an earlier WAV import");
        if (c.Mp3Exists)
            dir.Write("Track 01.mp3", "an earlier MP3 import");
        program->Result = c.Result;
        program->Output = c.Output;

        ASSERT_TRUE(RunStageJob(*stage, Job(), mp3At192, false)) << c.Name;

        const TConversionResult& result = stage->LastResult();
        EXPECT_FALSE(result.Succeeded) << c.Name;
        EXPECT_EQ(result.Reason.toStdString(), c.Reason.toStdString()) << c.Name;
        EXPECT_EQ(result.KeptAs, dir.File("Track 01 2.wav")) << c.Name;
        EXPECT_EQ(sound.Status, sserror) << c.Name;
        EXPECT_EQ(Files(), c.Mp3Exists ? QStringList({"Track 01 2.wav", "Track 01.mp3", "Track 01.wav"})
                                       : QStringList({"Track 01 2.wav", "Track 01.wav"}))
            << c.Name;
        EXPECT_EQ(dir.Read("Track 01 2.wav"), ripped) << c.Name;
        EXPECT_EQ(dir.Read("Track 01.wav"), "an earlier WAV import") << c.Name;
        if (c.Mp3Exists) {
            EXPECT_EQ(dir.Read("Track 01.mp3"), "an earlier MP3 import") << c.Name;
        }
        EXPECT_TRUE(messages.Messages.isEmpty()) << c.Name;
    }
}

TEST_F(TLameEncTest, RipUnderTheMp3NameIsNotTouched) {
    dir.Write("Track 01.mp3", ripped);

    ASSERT_TRUE(RunStageJob(*stage, std::make_shared<TsdxJob>(TsdxJob{jkEncodeMp3, jsWaiting, BorrowedSound(sound), 0,
                                                                      sound.path}),
                            mp3At192, false));

    EXPECT_TRUE(program->Runs.isEmpty());
    EXPECT_EQ(sound.Status, sserror);
    EXPECT_EQ(Files(), QStringList({"Track 01.mp3"}));
    EXPECT_EQ(dir.Read("Track 01.mp3"), ripped);
}

TEST(TLameProgramTest, RealLameWritesTheTagsReadBack) {
    SKIP_WITHOUT_TOOL("lame");
    SKIP_WITHOUT_TOOL("ffprobe");
    TTestDir dir;
    tsound sound;
    sound.path = dir.File("Track \"07\".mp3");
    sound.ID3 = SampleTags();
    const QString rip = TLameEnc::RipNameFor(sound.path);
    ASSERT_TRUE(TSineWav::Write(rip, 44100, 1.0, 1000.0)); // the ripper's WAV data
    TLameEnc stage(std::make_unique<TLameProgram>());

    ASSERT_TRUE(RunStageJob(stage, std::make_shared<TsdxJob>(TsdxJob{jkEncodeMp3, jsWaiting, BorrowedSound(sound), 6, rip}),
                            mp3At192, true));

    EXPECT_EQ(sound.Status, ssDone);
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList({"Track \"07\".mp3.part"}));
    const QStringList probed = ProbeMp3(stage.LastResult().Output);
    for (const char* expected :
         {"format_name=mp3", "TAG:title=Door \"slam\", heavy", "TAG:artist=Foley Series",
          "TAG:album=Doors and Gates", "TAG:date=2019", "TAG:genre=Sound Effects",
          "TAG:publisher=Moth Audio", "TAG:disc=1/3", "TAG:track=7"})
        EXPECT_TRUE(probed.contains(expected)) << expected << " in " << probed.join(" | ").toStdString();
}

TEST(TLameProgramTest, RealLameUnderTheCLocaleKeepsNonAsciiTitlesAndWritesNoEmptyGenre) {
    // The program may be started under the C locale; lame must not see it.
    const QByteArray oldLocale = qgetenv("LC_ALL");
    qputenv("LC_ALL", "C");
    TTestDir dir;
    tsound sound;
    sound.path = dir.File("Track 08.mp3");
    sound.ID3.Title = QString::fromUtf8("Tür knarrt – Ōsaka");
    sound.ID3.Artist = "Foley Series";
    const QString rip = TLameEnc::RipNameFor(sound.path);
    ASSERT_TRUE(TSineWav::Write(rip, 44100, 1.0, 1000.0));
    TLameEnc stage(std::make_unique<TLameProgram>());

    const bool ran = RunStageJob(stage, std::make_shared<TsdxJob>(TsdxJob{jkEncodeMp3, jsWaiting, BorrowedSound(sound), 7, rip}),
                                 mp3At192, true);
    qputenv("LC_ALL", oldLocale);

    ASSERT_TRUE(ran);
    EXPECT_EQ(sound.Status, ssDone);
    const QStringList probed = ProbeMp3(stage.LastResult().Output);
    EXPECT_TRUE(probed.contains(QString::fromUtf8("TAG:title=Tür knarrt – Ōsaka"))) << probed.join(" | ").toStdString();
    EXPECT_FALSE(probed.join('\n').contains("TAG:genre")) << probed.join(" | ").toStdString();
}

TEST(TLameProgramTest, ReportsWhetherItStartedAndSucceeded) {
    SKIP_WITHOUT_TOOL("lame");
    TTestDir dir;
    const QString garbage = dir.Write("garbage.wav", "not audio at all");
    EXPECT_FALSE(TLameProgram("trackmoth-no-such-encoder").Run({"-h", garbage, dir.File("x.mp3")}).Started);
    const TEncoderRun failed = TLameProgram().Run({"-h", dir.File("missing.wav"), dir.File("x.mp3")});
    EXPECT_TRUE(failed.Started);
    EXPECT_FALSE(failed.Succeeded);
}
