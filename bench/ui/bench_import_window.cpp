// A 10-track CD import with conversion through the main window and its import controller, on a
// generated disc image, offscreen. Prints the largest gap between the window's repaints (asked
// for every 10 ms) while the import runs, and the import's time against the rips alone plus the
// last track's conversion alone.
#include "common/BorrowedSound.h"
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/RunStageJob.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TCdImageWriter.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TFakeAudioOutput.h"
#include "cdimport/TLibcdioDrives.h"
#include "cdimport/TSoxrResampler.h"
#include "common/TRecordingMessages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int tracks = 10;
constexpr int trackSectors = 30 * 75;

// Records the time of every paint of the watched widget.
class TPaintClock : public QObject {
public:
    QList<qint64> Paints;
    QElapsedTimer Clock;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Paints.append(Clock.elapsed());
        return false;
    }
    qint64 LargestGap() const {
        qint64 gap = 0;
        for (int i = 1; i < Paints.size(); ++i)
            gap = std::max(gap, Paints[i] - Paints[i - 1]);
        return gap;
    }
};

// Imports the whole disc through the window into `folder`; seconds taken.
double ImportThroughWindow(const QString& program, const QString& folder, const TOutputFormat& format,
                           TPaintClock* paints) {
    TCDcontrol cd(std::make_unique<TLibcdioDrives>(program + "/discs", false),
                  std::make_unique<TFakeAudioOutput>());
    TfMainForm form(program, &cd);
    form.StartUp();
    form.show();
    form.StartCdDriveTimer();
    while (form.Sounds().Count() < tracks)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QDir().mkpath(folder);
    form.cdOutputRoot = folder;
    form.OutputFormat = format;
    QTimer repaint;
    repaint.setInterval(10);
    QObject::connect(&repaint, &QTimer::timeout, &form, [&form] { form.update(); });
    if (paints) {
        form.installEventFilter(paints);
        paints->Clock.start();
        repaint.start();
    }
    // Sleep between events instead of spinning, so that the wait takes no core from the rip and
    // the conversion; the tick wakes the loop at the latest every 5 ms.
    QTimer wake;
    wake.start(5);
    QElapsedTimer clock;
    clock.start();
    form.Action("acRipDisc")->trigger();
    while (form.Busy() || form.ImportController()->Running())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.elapsed() / 1000.0;
    repaint.stop();
    if (paints)
        form.removeEventFilter(paints);
    return seconds;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TRecordingMessages messages;
    QTemporaryDir program;
    QList<TCdImageWriter::TTrack> disc;
    for (int i = 0; i < tracks; ++i)
        disc.append({trackSectors, 440.0 + 100 * i, false});
    TCdImageWriter::Write(program.filePath("discs"), "TenTracks", disc);

    const TOutputFormat converted{sfwav, 256, 24, 48000};
    const double ripSeconds = ImportThroughWindow(program.path(), program.filePath("rips"), {}, nullptr);
    tsound last;
    last.path = program.filePath("last.wav");
    QFile::copy(program.filePath(QString("rips/Track %1.wav").arg(tracks, 2, 10, QChar('0'))), last.path);
    auto job = std::make_shared<TsdxJob>(TsdxJob{jkResample, jsWaiting, BorrowedSound(last), tracks - 1, last.path});
    TSoxrResampler resampler;
    QElapsedTimer clock;
    clock.start();
    RunStageJob(resampler, job, converted, false);
    const double lastConversion = clock.elapsed() / 1000.0;

    // The same import without the 10 ms repaints, to tell their cost from the import's own.
    const double unwatched =
        ImportThroughWindow(program.path(), program.filePath("unwatched"), converted, nullptr);
    TPaintClock paints;
    const double importSeconds =
        ImportThroughWindow(program.path(), program.filePath("import"), converted, &paints);
    const double allowed = (ripSeconds + lastConversion) * 1.10;
    std::printf("10 x 30 s to 48 kHz/24-bit through the window: largest gap between repaints "
                "%lld ms over %lld paints (target <= 100 ms)\n",
                static_cast<long long>(paints.LargestGap()), static_cast<long long>(paints.Paints.size()));
    std::printf("import %.2f s; rips alone %.2f s + last conversion %.2f s + 10%% = %.2f s (%s)\n",
                importSeconds, ripSeconds, lastConversion, allowed,
                importSeconds <= allowed ? "within" : "over");
    std::printf("import without the repaint timer %.2f s\n", unwatched);
    if (!messages.Messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(messages.Messages.join(" | ")));
    return 0;
}
