#pragma once

#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/TFakeConversionStage.h"
#include "cdimport/TFakeRipper.h"
#include "cdimport/TJobHandler.h"
#include "common/QtPrinters.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <vector>

using TTrail = QList<TSoundStatus>;

const TOutputFormat cdWav{sfwav, 256, 16, 44100};
const TOutputFormat wav48k24{sfwav, 256, 24, 48000};
const TOutputFormat mp3At192{sfmp3, 192, 16, 44100};

const TTrail untouchedTrail{ssWaiting, ssRipping, ssDone, ssnormal};
const TTrail convertedTrail{ssWaiting, ssRipping, ssNeedConvert, ssConverting, ssDone, ssnormal};

// A handler with a fake ripper and fake stages. Every status a sound takes on the way is
// recorded in its trail.
class TJobHandlerTest : public ::testing::Test {
protected:
    TJobHandlerTest() {
        auto resamplerStage = std::make_unique<TFakeConversionStage>();
        auto encoderStage = std::make_unique<TFakeConversionStage>();
        resampler = resamplerStage.get();
        encoder = encoderStage.get();
        handler = std::make_unique<TJobHandler>(ripper, std::move(resamplerStage), std::move(encoderStage));
        handler->Tagger().WriteID3 = true;
        handler->OnRipProgress = [this] { ++ripProgress; Sample(); };
        handler->OnFinished = [this] { ++finished; Sample(); };
        ripper.OnRipStarted = [this] { Sample(); };
        resampler->OnStateChanged = [this] { Sample(); };
        encoder->OnStateChanged = [this] { Sample(); };
    }

    void Queue(int count, const TOutputFormat& format) {
        handler->ResetJobs();
        handler->SetOutputFormat(format);
        const QString extension = format.AudioFormat == sfmp3 ? ".mp3" : ".wav";
        for (int i = 0; i < count; ++i) {
            auto sound = std::make_unique<tsound>();
            sound->path = dir.File(QString("Track %1%2").arg(i + 1, 2, 10, QChar('0')).arg(extension));
            sound->Status = ssCdTrack;
            sound->Format = format.AudioFormat;
            sound->ID3.Title = "Rain on a tin roof";
            handler->AddRipJob(BorrowedSound(*sound), i);
            sounds.push_back(std::move(sound));
        }
        trails.resize(count);
        Sample();
    }

    void Sample() {
        for (size_t i = 0; i < sounds.size(); ++i)
            if (trails[i].isEmpty() || trails[i].last() != sounds[i]->Status)
                trails[i].append(sounds[i]->Status);
    }

    TSoundStatus Status(int index) const { return sounds[size_t(index)]->Status; }
    QStringList Files() const { return QDir(dir.Path()).entryList(QDir::Files); }
    QStringList FailureTexts() const {
        QStringList texts;
        for (const TImportFailure& failure : handler->Failures())
            texts << failure.Text();
        return texts;
    }
    bool HasId3Chunk(int index) const {
        QFile file(sounds[size_t(index)]->path);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("id3 ");
    }

    TTestDir dir;
    TRecordingMessages messages; // the handler shows nothing itself
    std::vector<std::unique_ptr<tsound>> sounds;
    TFakeRipper ripper;
    TFakeConversionStage* resampler = nullptr;
    TFakeConversionStage* encoder = nullptr;
    std::unique_ptr<TJobHandler> handler;
    QList<TTrail> trails;
    int ripProgress = 0;
    int finished = 0;
};
