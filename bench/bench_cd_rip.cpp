// Rips a generated 10-minute disc image twice, with secure (paranoia) and with plain reads,
// and prints the speed as times real time and the memory the process used while ripping.
#include "cdimport/TCDcontrol.h"
#include "common/ResidentMemory.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TLibcdioDrives.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int trackSeconds = 600;

class TSilentOutput : public IAudioOutput {
public:
    bool Init() override { return true; }
    std::unique_ptr<IAudioPlayer> CreatePlayer(std::unique_ptr<IPcmSource>) override { return nullptr; }
};

void RipOnce(TCDcontrol& cd, TCdReadMode mode, const char* label, const QString& target) {
    long peakKib = ResidentKib();
    cd.OnStatus = [&] { peakKib = std::max(peakKib, ResidentKib()); };
    QEventLoop loop;
    cd.OnRipDone = [&] { loop.quit(); };
    cd.SetRipReadMode(mode);

    QElapsedTimer clock;
    clock.start();
    cd.RipTrack(target, 0);
    loop.exec();
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("%-7s %7.2f s  %7.1f x real time  peak resident %ld KiB  %s\n", label, seconds,
                trackSeconds / seconds, peakKib, qPrintable(cd.StatusText()));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString discs = dir.filePath("discs");
    TCdImageWriter::Write(discs, "TenMinutes", {{trackSeconds * 75, 440.0, false}});

    TCDcontrol cd(std::make_unique<TLibcdioDrives>(discs, false), std::make_unique<TSilentOutput>());
    std::printf("10-minute track, resident before ripping %ld KiB\n", ResidentKib());
    RipOnce(cd, TCdReadMode::Secure, "secure", dir.filePath("secure.wav"));
    RipOnce(cd, TCdReadMode::Plain, "plain", dir.filePath("plain.wav"));
    return 0;
}
