#include "cdimport/JobHandlerFixture.h"

// What an import leaves on disk: a file appears under its final name only when it is whole,
// an earlier take is replaced only then, and whatever is kept of a failed track says so.

namespace {
struct TFormatCase {
    const char* Name;
    TOutputFormat Format;
    const char* Extension;
};
const TFormatCase formats[] = {
    {"CD WAV", cdWav, ".wav"},
    {"resampled WAV", wav48k24, ".wav"},
    {"MP3", mp3At192, ".mp3"},
};

// Ends whatever conversions run or wait, as the stages would.
void CompleteConversions(TFakeConversionStage& stage) {
    while (stage.Busy())
        stage.Complete();
}
} // namespace

TEST_F(TJobHandlerTest, FailedOrCancelledTrackLeavesTheEarlierTakeByteForByte) {
    enum class EEnd { ReadError, Cancel };
    for (const TFormatCase& c : formats) {
        for (const EEnd end : {EEnd::ReadError, EEnd::Cancel}) {
            const std::string name = std::string(c.Name) + (end == EEnd::Cancel ? " cancelled" : " read error");
            for (const QString& file : Files())
                QFile::remove(dir.File(file));
            sounds.clear();
            const QString earlier = QString("Track 01") + c.Extension;
            dir.Write(earlier, "the earlier good take");
            ripper.EndsLater = end == EEnd::Cancel;
            ripper.EndError = end == EEnd::ReadError ? "Read error at sector 1502" : "";
            Queue(2, c.Format);

            handler->StartJobs();
            if (end == EEnd::Cancel) {
                handler->CancelJobs();
                ripper.EndRip();
            }
            CompleteConversions(*resampler);
            CompleteConversions(*encoder);

            EXPECT_EQ(dir.Read(earlier), "the earlier good take") << name;
            EXPECT_EQ(Files(), QStringList({"Track 01 (incomplete).wav", earlier})) << name;
            ASSERT_FALSE(FailureTexts().isEmpty()) << name;
            EXPECT_TRUE(FailureTexts()[0].startsWith(earlier + ": ")) << name;
            EXPECT_TRUE(FailureTexts()[0].endsWith("(the ripped audio is kept as \"Track 01 (incomplete).wav\")"))
                << FailureTexts()[0].toStdString();
            EXPECT_TRUE(sounds[0]->RipReport.endsWith("(the ripped audio is kept as \"Track 01 (incomplete).wav\")"))
                << name << ": the row's details say where";
        }
    }
}

TEST_F(TJobHandlerTest, WholeTrackReplacesTheEarlierTakeTheUserAgreedToReplace) {
    for (const TFormatCase& c : formats) {
        for (const QString& file : Files())
            QFile::remove(dir.File(file));
        sounds.clear();
        const QString earlier = QString("Track 01") + c.Extension;
        dir.Write(earlier, "the earlier take");
        Queue(2, c.Format);

        handler->StartJobs();
        CompleteConversions(*resampler);
        CompleteConversions(*encoder);

        EXPECT_TRUE(handler->Failures().isEmpty()) << c.Name << ": " << FailureTexts().join('\n').toStdString();
        EXPECT_EQ(Files(), QStringList({earlier, QString("Track 02") + c.Extension})) << c.Name;
        EXPECT_NE(dir.Read(earlier), "the earlier take") << c.Name;
        EXPECT_EQ(Status(0), ssnormal) << c.Name;
        if (c.Format.AudioFormat == sfwav) {
            EXPECT_TRUE(HasId3Chunk(0)) << c.Name << ": the new take came in tagged";
        }
    }
}

TEST_F(TJobHandlerTest, FileThatAppearedUnderTheNameMeanwhileIsNeverReplaced) {
    ripper.EndsLater = true;
    Queue(1, cdWav);
    handler->StartJobs();
    dir.Write("Track 01.wav", "another program's file");

    ripper.EndRip();

    EXPECT_EQ(dir.Read("Track 01.wav"), "another program's file");
    EXPECT_EQ(Files(), QStringList({"Track 01 2.wav", "Track 01.wav"}));
    ASSERT_EQ(FailureTexts().size(), 1);
    EXPECT_TRUE(FailureTexts()[0].contains("File exists")) << FailureTexts()[0].toStdString();
    EXPECT_TRUE(FailureTexts()[0].endsWith("(the ripped audio is kept as \"Track 01 2.wav\")"));
    EXPECT_EQ(Status(0), sserror);
}

TEST_F(TJobHandlerTest, DataTrackIsSkippedAndTheAudioTracksAreImported) {
    for (const TOutputFormat& format : {cdWav, mp3At192}) {
        for (const int dataTrack : {0, 3}) {
            const std::string name = (format.AudioFormat == sfmp3 ? "MP3, data track " : "WAV, data track ") +
                                     std::to_string(dataTrack + 1);
            for (const QString& file : Files())
                QFile::remove(dir.File(file));
            sounds.clear();
            finished = 0;
            ripper.DataTracks = {dataTrack};
            ripper.RippedFiles.clear();
            Queue(4, format);

            handler->StartJobs();
            CompleteConversions(*encoder);

            EXPECT_EQ(ripper.RippedFiles.size(), 3) << name;
            EXPECT_EQ(FailureTexts(), QStringList({QString("Track %1 is a data track and was not ripped")
                                                       .arg(dataTrack + 1)}))
                << name;
            EXPECT_EQ(Files().size(), 3) << name << ": " << Files().join(", ").toStdString();
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(QFile::exists(sounds[size_t(i)]->path), i != dataTrack) << name << " track " << i;
                EXPECT_EQ(Status(i), i == dataTrack ? ssCdTrack : ssnormal) << name << " track " << i;
            }
            EXPECT_EQ(finished, 1) << name;
        }
    }
}
