// Rips a generated 10-minute disc image of a tone twice, with secure (paranoia) and with plain
// reads, and a 10-minute disc of white noise with secure reads; prints the speed as times real
// time, the memory the process used while ripping, and whether each rip holds the disc's exact
// samples (noise gives paranoia no clue to the byte order; it must be told).
#include "cdimport/TCDcontrol.h"
#include "common/ResidentMemory.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TLibcdioDrives.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int trackSeconds = 600;
constexpr int wavHeaderBytes = 44;

class TSilentOutput : public IAudioOutput {
public:
    bool Init() override { return true; }
    std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource>) override { return nullptr; }
};

// "exact", or how far the rip is from the disc's samples.
QString Exactness(const QString& wavPath, const QByteArray& disc) {
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadOnly))
        return "no file";
    const QByteArray samples = file.readAll().mid(wavHeaderBytes);
    if (samples == disc)
        return "exact";
    qint64 differing = 0;
    for (qsizetype i = 0; i < std::min(samples.size(), disc.size()); ++i)
        differing += samples[i] != disc[i];
    return QString("NOT exact: %1 of %2 bytes, %3 bytes differ")
        .arg(samples.size())
        .arg(disc.size())
        .arg(differing);
}

void RipOnce(TCDcontrol& cd, TCdReadMode mode, const char* label, const QString& target,
             const QByteArray& disc) {
    long peakKib = ResidentKib();
    cd.OnStatus = [&] { peakKib = std::max(peakKib, ResidentKib()); };
    QEventLoop loop;
    cd.OnRipDone = [&] { loop.quit(); };
    cd.SetRipReadMode(mode);

    QElapsedTimer clock;
    clock.start();
    if (const TResult started = cd.RipTrack(target, 0); !started) {
        std::printf("%s: %s\n", label, qPrintable(started.ErrorText()));
        return;
    }
    loop.exec();
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("%-13s %7.2f s  %7.1f x real time  peak resident %ld KiB  %s  %s  %s\n", label,
                seconds, trackSeconds / seconds, peakKib, qPrintable(cd.StatusText()),
                qPrintable(Exactness(target, disc)), qPrintable(cd.RipReport()));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tones = dir.filePath("tones");
    const QString noise = dir.filePath("noise");
    const QByteArray toneDisc =
        TCdImageWriter::Write(tones, "TenMinutes", {{trackSeconds * 75, 440.0, false}});
    const QByteArray noiseDisc =
        TCdImageWriter::Write(noise, "TenMinutesNoise", {{trackSeconds * 75, 0, false, 6}});

    std::printf("10-minute track, resident before ripping %ld KiB\n", ResidentKib());
    {
        TCDcontrol cd(std::make_unique<TLibcdioDrives>(tones, false), std::make_unique<TSilentOutput>());
        RipOnce(cd, TCdReadMode::Secure, "secure", dir.filePath("secure.wav"), toneDisc);
        RipOnce(cd, TCdReadMode::Plain, "plain", dir.filePath("plain.wav"), toneDisc);
    }
    QFile::remove(dir.filePath("secure.wav"));
    QFile::remove(dir.filePath("plain.wav"));
    TCDcontrol cd(std::make_unique<TLibcdioDrives>(noise, false), std::make_unique<TSilentOutput>());
    RipOnce(cd, TCdReadMode::Secure, "secure noise", dir.filePath("noise.wav"), noiseDisc);
    return 0;
}
