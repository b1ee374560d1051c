#include "cdimport/JobHandlerFixture.h"


TEST_F(TJobHandlerTest, AddRipJobQueuesTheSoundAsWaiting) {
    Queue(2, cdWav);

    EXPECT_EQ(sounds[0]->Comment, "Waiting..");
    EXPECT_EQ(Status(1), ssWaiting);
    EXPECT_EQ(handler->RipQueueCount(), 2);
    EXPECT_EQ(handler->CurrentRipJob(), nullptr);
    EXPECT_FALSE(handler->RipActive());
}

TEST_F(TJobHandlerTest, OutputFormatDecidesTheConversion) {
    struct TCase {
        TOutputFormat Format;
        bool EncodeMp3;
        bool NeedsResample;
    };
    const TCase cases[] = {
        {cdWav, false, false},
        {wav48k24, false, true},
        {{sfwav, 256, 24, 44100}, false, true},
        {{sfwav, 256, 16, 96000}, false, true},
        {mp3At192, true, false},
        {{sfmp3, 128, 24, 48000}, true, false},
    };
    for (const TCase& c : cases) {
        handler->SetOutputFormat(c.Format);
        EXPECT_EQ(handler->EncodeMp3(), c.EncodeMp3) << c.Format.SampleRate << "/" << c.Format.BitDepth;
        EXPECT_EQ(handler->NeedsResample(), c.NeedsResample) << c.Format.SampleRate << "/" << c.Format.BitDepth;
    }
}

TEST_F(TJobHandlerTest, CdFormatTagsEachTrackRightAfterItsRip) {
    ripper.Report = "Secure rip: 2 jitter corrections";
    Queue(3, cdWav);
    QList<bool> previousTaggedAtNextRip;
    ripper.OnRipStarted = [&] {
        Sample();
        const int current = int(ripper.RippedFiles.size()) - 1;
        if (current > 0)
            previousTaggedAtNextRip.append(Status(current - 1) == ssDone && HasId3Chunk(current - 1));
    };

    handler->StartJobs();

    EXPECT_EQ(previousTaggedAtNextRip, QList<bool>({true, true}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(trails[i], untouchedTrail) << "sound " << i;
        EXPECT_TRUE(HasId3Chunk(i));
        EXPECT_EQ(sounds[size_t(i)]->RipReport, "Secure rip: 2 jitter corrections");
    }
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(handler->Failures().isEmpty());
    EXPECT_TRUE(resampler->Starts.isEmpty());
    EXPECT_TRUE(encoder->Starts.isEmpty());
    EXPECT_FALSE(handler->RipActive());
    EXPECT_EQ(handler->RipQueueCount(), 0);
}

TEST_F(TJobHandlerTest, OtherWavFormatGoesThroughOneConversionAtATime) {
    Queue(3, wav48k24);

    handler->StartJobs();

    // Every rip has ended, the first conversion runs, the others wait for it.
    EXPECT_EQ(ripper.RippedFiles.size(), 3);
    EXPECT_EQ(resampler->Starts.size(), 1);
    EXPECT_EQ(resampler->Starts[0].Format.SampleRate, 48000);
    EXPECT_EQ(resampler->Starts[0].Format.BitDepth, 24);
    EXPECT_EQ(resampler->Starts[0].Job->JobKind, jkResample);
    EXPECT_EQ(Status(2), ssNeedConvert);
    EXPECT_FALSE(HasId3Chunk(0));
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(handler->RipActive());

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(handler->ConvIndex(), i);
        resampler->Complete();
        EXPECT_TRUE(HasId3Chunk(i)) << "converted file " << i << " is tagged";
        EXPECT_EQ(finished, i == 2 ? 1 : 0);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(trails[i], convertedTrail) << "sound " << i;
    EXPECT_FALSE(handler->RipActive());
}

TEST_F(TJobHandlerTest, Mp3GoesThroughTheEncoderWithoutWavTags) {
    Queue(2, mp3At192);

    handler->StartJobs();
    encoder->Complete();
    encoder->Complete();

    ASSERT_EQ(encoder->Starts.size(), 2);
    EXPECT_EQ(encoder->Starts[0].Format.BitRate, 192);
    EXPECT_TRUE(encoder->Starts[0].WriteTags);
    EXPECT_EQ(encoder->Starts[1].Job->JobKind, jkEncodeMp3);
    EXPECT_TRUE(resampler->Starts.isEmpty());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(trails[i], convertedTrail) << "sound " << i;
        EXPECT_FALSE(HasId3Chunk(i));
    }
    EXPECT_EQ(finished, 1);
}

TEST_F(TJobHandlerTest, EncoderWritesTagsOnlyWhenId3TagsAreChosen) {
    handler->Tagger().WriteID3 = false;
    Queue(1, mp3At192);

    handler->StartJobs();

    ASSERT_EQ(encoder->Starts.size(), 1);
    EXPECT_FALSE(encoder->Starts[0].WriteTags);
}

TEST_F(TJobHandlerTest, CancelDuringTheThirdOfFiveRips) {
    ripper.EndsLater = true;
    Queue(5, cdWav);
    handler->StartJobs();
    ripper.EndRip();
    ripper.EndRip();
    ASSERT_EQ(ripper.RippedFiles.size(), 3);

    handler->CancelJobs();

    EXPECT_EQ(ripper.Cancels, 1);
    const QList<TSoundStatus> expected{ssnormal, ssnormal, ssCdTrack, ssCdTrack, ssCdTrack};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Status(i), expected[i]) << "sound " << i;
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(handler->RipActive());

    // The running rip closes its shorter file, which is kept under a name that says so;
    // nothing new starts, nothing changes.
    ripper.EndRip();
    EXPECT_EQ(ripper.RippedFiles.size(), 3);
    EXPECT_EQ(Files(), QStringList({"Track 01.wav", "Track 02.wav", "Track 03 (incomplete).wav"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Status(i), expected[i]) << "sound " << i;
    EXPECT_EQ(FailureTexts(), QStringList({"Track 03.wav: Cancelled while it was being ripped (the "
                                           "ripped audio is kept as \"Track 03 (incomplete).wav\")"}));
    EXPECT_GE(finished, 1);
}

TEST_F(TJobHandlerTest, FirstFileThatCannotBeCreatedStopsTheImport) {
    ripper.FailingTrack = 0;
    ripper.ErrorText = "Cannot create file \"/x/Track 01.wav\". Permission denied";
    Queue(5, cdWav);

    handler->StartJobs();

    EXPECT_TRUE(messages.Messages.isEmpty());
    EXPECT_EQ(FailureTexts(), QStringList({"Track 01.wav: Cannot create file \"/x/Track 01.wav\". "
                                           "Permission denied",
                                           "Ripping stopped: 4 more tracks were not ripped"}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Status(i), ssCdTrack) << "sound " << i;
    EXPECT_TRUE(ripper.RippedFiles.isEmpty());
    EXPECT_EQ(finished, 1);
    EXPECT_GE(ripProgress, 1);
    EXPECT_FALSE(handler->RipActive());
}

TEST_F(TJobHandlerTest, RipEndingOnAReadErrorStopsTheImport) {
    ripper.EndError = "Read error at sector 150";
    Queue(3, wav48k24);

    handler->StartJobs();

    EXPECT_EQ(FailureTexts(), QStringList({"Track 01.wav: Read error at sector 150 (the ripped audio "
                                           "is kept as \"Track 01 (incomplete).wav\")",
                                           "Ripping stopped: 2 more tracks were not ripped"}));
    EXPECT_EQ(Files(), QStringList({"Track 01 (incomplete).wav"}));
    EXPECT_EQ(ripper.RippedFiles.size(), 1);
    EXPECT_TRUE(resampler->Starts.isEmpty()) << "a short file is not converted";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Status(i), ssCdTrack) << "sound " << i;
    EXPECT_EQ(finished, 1);
}

TEST_F(TJobHandlerTest, NinetyNineTracksNeedNoDeeperStack) {
    QList<quintptr> depths;
    ripper.OnRipStarted = [&] {
        int marker = 0;
        depths.append(quintptr(&marker));
    };
    Queue(99, cdWav);

    handler->StartJobs();

    ASSERT_EQ(depths.size(), 99);
    EXPECT_EQ(depths.first(), depths.last());
    EXPECT_EQ(Status(98), ssnormal);
    EXPECT_EQ(finished, 1);
}

TEST_F(TJobHandlerTest, RipsEndingLaterAlsoRunThroughTheQueue) {
    ripper.EndsLater = true;
    Queue(3, cdWav);

    handler->StartJobs();
    while (ripper.Ripping())
        ripper.EndRip();

    EXPECT_EQ(ripper.RippedFiles.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(trails[i], untouchedTrail) << "sound " << i;
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(handler->RipsDone(), 0) << "reset after the end";
}

TEST_F(TJobHandlerTest, FailedConversionKeepsItsErrorMarkAndTheQueueGoesOn) {
    Queue(3, wav48k24);
    handler->StartJobs();

    resampler->Complete(TConversionResult{false, "read error", dir.File("Track 01 (incomplete).wav")});
    resampler->Complete();
    resampler->Complete();

    EXPECT_EQ(FailureTexts(), QStringList({"Track 01.wav: read error (the ripped audio is kept as "
                                           "\"Track 01 (incomplete).wav\")"}));
    EXPECT_EQ(Status(0), sserror);
    EXPECT_FALSE(QFile::exists(sounds[0]->path)) << "nothing unconverted under the final name";
    EXPECT_EQ(Status(1), ssnormal);
    EXPECT_EQ(Status(2), ssnormal);
    EXPECT_EQ(finished, 1);
}

TEST_F(TJobHandlerTest, CancelWhileAConversionRunsLetsItFinishItsFile) {
    ripper.EndsLater = true;
    Queue(5, wav48k24);
    handler->StartJobs();
    ripper.EndRip(); // conversion 1 starts
    ripper.EndRip(); // conversion 2 waits

    handler->CancelJobs();

    const QList<TSoundStatus> expected{sserror, sserror, ssCdTrack, ssCdTrack, ssCdTrack};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Status(i), expected[i]) << "sound " << i;
    EXPECT_EQ(finished, 1);

    resampler->Complete();
    EXPECT_EQ(Status(0), ssnormal) << "its file was finished";
    EXPECT_TRUE(HasId3Chunk(0));
    EXPECT_EQ(Status(1), sserror);
    EXPECT_EQ(resampler->Starts.size(), 1) << "nothing new starts after a cancel";

    ripper.EndRip();
    EXPECT_EQ(ripper.RippedFiles.size(), 3);
    EXPECT_EQ(resampler->Starts.size(), 1);
    EXPECT_GE(finished, 2);
    EXPECT_EQ(Files(), QStringList({"Track 01.wav", "Track 02 (incomplete).wav",
                                    "Track 03 (incomplete).wav"}));
    EXPECT_EQ(FailureTexts().size(), 2) << FailureTexts().join('\n').toStdString();
}

TEST_F(TJobHandlerTest, ImportWithoutTracksFinishes) {
    for (const TOutputFormat& format : {cdWav, wav48k24, mp3At192}) {
        finished = 0;
        Queue(0, format);
        handler->StartJobs();
        EXPECT_EQ(finished, 1) << format.SampleRate << " " << format.AudioFormat;
    }
}

TEST_F(TJobHandlerTest, FailedTagWriteMarksTheSoundAndKeepsTheReason) {
    for (const TOutputFormat& format : {cdWav, wav48k24}) {
        for (const QString& file : Files())
            QFile::remove(dir.File(file));
        sounds.clear();
        finished = 0;
        ripper.BrokenTrack = 1;
        Queue(3, format);

        handler->StartJobs();
        while (resampler->Busy())
            resampler->Complete();

        ASSERT_EQ(FailureTexts().size(), 1) << format.SampleRate;
        EXPECT_TRUE(FailureTexts()[0].startsWith("Track 02.wav: ")) << format.SampleRate;
        EXPECT_TRUE(FailureTexts()[0].endsWith("(the ripped audio is kept as \"Track 02 (incomplete).wav\")"))
            << FailureTexts()[0].toStdString();
        EXPECT_FALSE(QFile::exists(sounds[1]->path)) << "no untagged file under the final name";
        EXPECT_EQ(Status(0), ssnormal) << format.SampleRate;
        EXPECT_EQ(Status(1), sserror) << format.SampleRate;
        EXPECT_EQ(Status(2), ssnormal) << format.SampleRate;
        EXPECT_EQ(finished, 1) << format.SampleRate;
    }
}

TEST_F(TJobHandlerTest, Mp3RipsGoIntoIntermediateFilesOfTheImportsOwn) {
    dir.Write("Track 01.mp3.rip.wav", "a file of the user's");
    Queue(2, mp3At192);

    handler->StartJobs();

    EXPECT_EQ(ripper.RippedFiles, QStringList({dir.File("Track 01.mp3.rip 2.wav"),
                                               dir.File("Track 02.mp3.rip.wav")}));
    EXPECT_EQ(dir.Read("Track 01.mp3.rip.wav"), "a file of the user's");
    encoder->Complete();
    ASSERT_EQ(encoder->Starts.size(), 2);
    EXPECT_EQ(encoder->Starts[0].Job->ripPath, ripper.RippedFiles[0]);
    EXPECT_EQ(encoder->Starts[1].Job->ripPath, ripper.RippedFiles[1]);
}

TEST_F(TJobHandlerTest, CancelledMp3ImportKeepsItsRipsUnderFreeWavNames) {
    dir.Write("Track 02.wav", "an earlier WAV import");
    ripper.EndsLater = true;
    Queue(3, mp3At192);
    handler->StartJobs();
    ripper.EndRip(); // conversion 1 runs
    ripper.EndRip(); // conversion 2 waits, rip 3 runs

    handler->CancelJobs();

    EXPECT_EQ(Files(), QStringList({"Track 01.mp3.rip.wav", "Track 02 2.wav", "Track 02.wav",
                                    "Track 03.mp3.rip.wav"}))
        << "the running conversion keeps its rip; the running rip is still written";
    ripper.EndRip();
    EXPECT_EQ(Files(), QStringList({"Track 01.mp3.rip.wav", "Track 02 2.wav", "Track 02.wav",
                                    "Track 03 (incomplete).wav"}))
        << "a cut rip never looks like a whole one";
    EXPECT_EQ(dir.Read("Track 02.wav"), "an earlier WAV import");
    EXPECT_EQ(FailureTexts(), QStringList({"Track 02.mp3: Cancelled before it was converted (the "
                                           "ripped audio is kept as \"Track 02 2.wav\")",
                                           "Track 03.mp3: Cancelled while it was being ripped (the "
                                           "ripped audio is kept as \"Track 03 (incomplete).wav\")"}));
}

TEST_F(TJobHandlerTest, Mp3RipErrorKeepsThePartialRipAsWav) {
    ripper.EndError = "Track 01: Read error at sector 150";
    Queue(2, mp3At192);

    handler->StartJobs();

    EXPECT_EQ(FailureTexts(), QStringList({"Track 01.mp3: Track 01: Read error at sector 150 "
                                           "(the ripped audio is kept as \"Track 01 (incomplete).wav\")",
                                           "Ripping stopped: 1 more track was not ripped"}));
    EXPECT_EQ(Files(), QStringList({"Track 01 (incomplete).wav"}));
}

TEST_F(TJobHandlerTest, EncoderFailureIsOneLineOfTheReportAndTheQueueGoesOn) {
    Queue(2, mp3At192);
    handler->StartJobs();

    encoder->Complete(TConversionResult{false, "Error starting encoding!", dir.File("Track 01.wav")});
    EXPECT_EQ(Status(1), ssConverting) << "the next conversion started";
    encoder->Complete();

    EXPECT_EQ(FailureTexts(), QStringList({"Track 01.mp3: Error starting encoding! (the ripped "
                                           "audio is kept as \"Track 01.wav\")"}));
    EXPECT_EQ(Status(0), sserror);
    EXPECT_EQ(Status(1), ssnormal);
    EXPECT_TRUE(messages.Messages.isEmpty());
    EXPECT_EQ(finished, 1);
}
