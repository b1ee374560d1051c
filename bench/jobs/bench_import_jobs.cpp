// The import's conversion stages against the bare tools, the resampler's memory on a long
// track, and a whole 10-track import showing the conversions overlapping the rips.
#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/TCDcontrol.h"
#include "common/ResidentMemory.h"
#include "cdimport/TCDcontrolRipper.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TJobHandler.h"
#include "cdimport/TLameEnc.h"
#include "cdimport/TLameProgram.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TSineWav.h"
#include "cdimport/TSoxrResampler.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Runs the event loop until `done`, calling `sample` every few milliseconds.
void WaitFor(const bool& done, const std::function<void()>& sample = {}) {
    while (!done) {
        QCoreApplication::processEvents();
        if (sample)
            sample();
        QThread::msleep(2);
    }
}

// Seconds one stage job takes, from Start to its end on this thread.
double RunStage(IConversionStage& stage, tsound& sound, const TOutputFormat& format,
                const std::function<void()>& sample = {}, const QString& ripPath = {}) {
    bool done = false;
    stage.SetOnDone([&] { done = true; });
    QElapsedTimer clock;
    clock.start();
    stage.Start(std::make_shared<TsdxJob>(TsdxJob{jkResample, jsWaiting, BorrowedSound(sound), 0, ripPath}), format,
                false);
    WaitFor(done, sample);
    if (sound.Status != ssDone)
        std::printf("  conversion of %s FAILED\n", qPrintable(sound.path));
    return clock.elapsed() / 1000.0;
}

double RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    return clock.elapsed() / 1000.0;
}

void CompareResampler(const QTemporaryDir& dir, const QString& source) {
    QFile::copy(source, dir.filePath("stage.wav"));
    tsound sound;
    sound.path = dir.filePath("stage.wav");
    TSoxrResampler stage;
    const double stageSeconds = RunStage(stage, sound, {sfwav, 256, 24, 48000});
    const double soxSeconds = RunProgram("sox", {source, "-b", "24", dir.filePath("sox.wav"), "rate", "-v", "48000"});
    std::printf("resampler 60 s to 48 kHz/24-bit: stage %.2f s, sox %.2f s, stage/sox %.2f\n",
                stageSeconds, soxSeconds, stageSeconds / soxSeconds);
}

void CompareEncoder(const QTemporaryDir& dir, const QString& source) {
    // As in an import: the rip waits under a name of its own beside the MP3 to be.
    tsound sound;
    sound.path = dir.filePath("stage.mp3");
    const QString ripPath = TLameEnc::RipNameFor(sound.path);
    QFile::copy(source, ripPath);
    TLameEnc stage(std::make_unique<TLameProgram>());
    const double stageSeconds = RunStage(stage, sound, {sfmp3, 192, 16, 44100}, {}, ripPath);
    const double lameSeconds = RunProgram("lame", {"-h", "-b", "192", source, dir.filePath("bare.mp3")});
    std::printf("MP3 60 s at 192 kbit/s: stage %.2f s, bare lame %.2f s, overhead %+.1f %%\n",
                stageSeconds, lameSeconds, (stageSeconds / lameSeconds - 1) * 100);
}

void MeasureResamplerMemory(const QTemporaryDir& dir) {
    tsound sound;
    sound.path = dir.filePath("ten-minutes.wav");
    TSineWav::Write(sound.path, 44100, 600, 1000.0);
    TSoxrResampler stage;
    const long before = ResidentKib();
    long peak = before;
    const double seconds =
        RunStage(stage, sound, {sfwav, 256, 24, 48000}, [&] { peak = std::max(peak, ResidentKib()); });
    std::printf("resampler 10-minute track: %.2f s, resident before %ld KiB, peak %ld KiB (+%ld KiB)\n",
                seconds, before, peak, peak - before);
}

// Imports the ten tracks of the image in `discs` into `folder`; seconds taken.
double Import(const QString& discs, const QString& folder, const TOutputFormat& format,
              std::vector<std::unique_ptr<tsound>>& sounds) {
    TCDcontrol cd(std::make_unique<TLibcdioDrives>(discs, false), std::make_unique<TFakeAudioOutput>());
    TCDcontrolRipper ripper(cd);
    TJobHandler handler(ripper);
    handler.ResetJobs();
    handler.SetOutputFormat(format);
    sounds.clear();
    for (int i = 0; i < 10; ++i) {
        auto sound = std::make_unique<tsound>();
        sound->path = QString("%1/Track %2.wav").arg(folder).arg(i + 1, 2, 10, QChar('0'));
        handler.AddRipJob(BorrowedSound(*sound), i);
        sounds.push_back(std::move(sound));
    }
    bool finished = false;
    handler.OnFinished = [&] { finished = true; };
    QElapsedTimer clock;
    clock.start();
    handler.StartJobs();
    WaitFor(finished);
    return clock.elapsed() / 1000.0;
}

void MeasureOverlap(const QTemporaryDir& dir) {
    constexpr int trackSectors = 30 * 75;
    QList<TCdImageWriter::TTrack> tracks;
    for (int i = 0; i < 10; ++i)
        tracks.append({trackSectors, 440.0 + 100 * i, false});
    TCdImageWriter::Write(dir.filePath("discs"), "TenTracks", tracks);
    QDir(dir.path()).mkpath("rips");
    QDir(dir.path()).mkpath("import");

    std::vector<std::unique_ptr<tsound>> sounds;
    const double ripSeconds = Import(dir.filePath("discs"), dir.filePath("rips"), {}, sounds);
    double convertSeconds = 0;
    TSoxrResampler stage;
    for (auto& sound : sounds)
        convertSeconds += RunStage(stage, *sound, {sfwav, 256, 24, 48000});
    const double importSeconds =
        Import(dir.filePath("discs"), dir.filePath("import"), {sfwav, 256, 24, 48000}, sounds);
    std::printf("import of 10 x 30 s to 48 kHz/24-bit: %.2f s; rips alone %.2f s + conversions "
                "alone %.2f s = %.2f s; overlap saved %.2f s\n",
                importSeconds, ripSeconds, convertSeconds, ripSeconds + convertSeconds,
                ripSeconds + convertSeconds - importSeconds);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath("sixty-seconds.wav");
    TSineWav::Write(source, 44100, 60, 1000.0);
    CompareResampler(dir, source);
    CompareEncoder(dir, source);
    MeasureResamplerMemory(dir);
    MeasureOverlap(dir);
    return 0;
}
