// The rename and tag batch over 10,000 marked empty WAV files with all three tags, run from
// the real main window on the offscreen platform: files per second, how long the window went
// without a repaint and how late a 10 ms timer came, against a bare rename(2) loop and a loop
// of one rename and one tag write per file over the same kind of files, and the core batch
// run at once without a window.
#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "naming/LoadFolder.h"
#include "naming/TBatchRunner.h"
#include "naming/TRenameBatch.h"
#include "naming/TfrRename.h"
#include "tags/TTagger.h"
#include "tags/TagTemplates.h"
#include "ui/TCDripperList.h"
#include "ui/TfBatchDone.h"

#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int fileCount = 10000;
constexpr int rounds = 3;

QByteArray Minimal44() {
    auto u32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray format = QByteArray::fromHex("0100020044ac000010b1020004001000");
    const QByteArray chunks = "fmt " + u32(16) + format + "data" + u32(0);
    return "RIFF" + u32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

QString NameOf(int i) { return QStringLiteral("Rain on a tin roof %1.wav").arg(i, 5, 10, QLatin1Char('0')); }

void MakeFiles(const QString& folder) {
    const QByteArray wav = Minimal44();
    for (int i = 0; i < fileCount; ++i) {
        QFile file(folder + "/" + NameOf(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
    }
}

double Seconds(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e9; }

// rename(2) alone, to the names the batch would give.
double BareRenames() {
    QTemporaryDir dir;
    MakeFiles(dir.path());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray from = QFile::encodeName(dir.path() + "/" + NameOf(i));
        const QByteArray to = QFile::encodeName(dir.path() + QStringLiteral("/%1 - x.wav").arg(i));
        if (::rename(from.constData(), to.constData()) != 0)
            std::exit(1);
    }
    return Seconds(timer);
}

// One rename and the tag writer's WriteTags with all three kinds per file.
double RenameAndTagLoop() {
    QTemporaryDir dir;
    MakeFiles(dir.path());
    TTagger tagger;
    tagger.WriteID3 = tagger.WriteBwav = tagger.WriteIXML = true;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < fileCount; ++i) {
        tsound sound;
        sound.path = dir.path() + QStringLiteral("/%1 - x.wav").arg(i);
        const QByteArray from = QFile::encodeName(dir.path() + "/" + NameOf(i));
        if (::rename(from.constData(), QFile::encodeName(sound.path).constData()) != 0)
            std::exit(1);
        sound.Description = NameOf(i).chopped(4);
        sound.ID3.Title = sound.ID3.Comment = sound.Description;
        sound.ID3.Artist = "Nature";
        sound.ID3.Album = "Birds 2";
        sound.ID3.Publisher = "Acme";
        sound.bwav = "%SoundDescription;";
        sound.bWav2 = "%Publisher;";
        sound.bWav3 = "%CD;";
        MakeDefaultIxml(sound);
        if (!tagger.WriteTags(sound))
            std::exit(1);
    }
    return Seconds(timer);
}

// The core batch alone, at once: what the window adds is the difference.
double CoreBatch() {
    QTemporaryDir program;
    QTemporaryDir folder;
    MakeFiles(folder.path());
    TSoundList sounds;
    TFileNameOptions naming;
    naming.Mask = "%Trc; - %FDes;";
    TPanelValues panel;
    panel.Series = "Nature";
    panel.CD = "Birds 2";
    panel.Publisher = "Acme";
    panel.DoBwav = panel.DoID3 = panel.DoiXML = true;
    LoadFolder(folder.path(), sounds, naming, true, {});
    TRenameBatch batch(sounds, naming, program.path() + "/RenameJournal.txt");
    batch.Panel = [&panel] { return panel; };
    batch.ApplyPanelFields();
    std::vector<int> rows(size_t(sounds.Count()));
    for (int i = 0; i < sounds.Count(); ++i)
        rows[size_t(i)] = i;
    QElapsedTimer timer;
    timer.start();
    const TBatchReport report = batch.ProcessMarked(rows);
    if (report.Ok != fileCount)
        std::exit(1);
    return Seconds(timer);
}

struct TWindowRun {
    double seconds = 0;
    qint64 longestWithoutPaintMs = 0;
    qint64 latestTimerMs = 0;
    int paints = 0;
    QString report;
};

// Counts the list's paints and the longest time between two of them.
class TPaintWatch : public QObject {
public:
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const qint64 now = clock.elapsed();
            if (last >= 0)
                longest = std::max(longest, now - last);
            last = now;
            ++paints;
        }
        return false;
    }
};

TWindowRun BatchInTheWindow() {
    QTemporaryDir program;
    QTemporaryDir folder;
    MakeFiles(folder.path());
    TfMainForm form(program.path(), nullptr);
    form.StartUp();
    form.RenameNaming.Mask = "%Trc; - %FDes;";
    form.ShowRenameMode();
    form.show();
    QFile pick(program.path() + "/pick.xml");
    if (!pick.open(QIODevice::WriteOnly))
        std::exit(1);
    pick.write("<Trackmothsettings><Renamer><LastFolder>" + folder.path().toUtf8() +
               "</LastFolder></Renamer></Trackmothsettings>");
    pick.close();
    form.LoadSettings(pick.fileName());
    while (form.ListingFolder()) // the folder is read on a worker
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    TfrRename* panel = form.frRename();
    for (QCheckBox* box : {panel->chkSFXbwav, panel->chkSfxId3, panel->chksfxIXML})
        box->setChecked(true);
    panel->editSeries->setText("Nature");
    panel->editCD->setText("Birds 2");
    panel->editPublisher->setText("Acme");
    form.Action("acMarkAll")->trigger();
    QCoreApplication::processEvents();

    TWindowRun run;
    form.BatchRunner()->RunReport = [&run](TfBatchDone& report) { run.report = report.lblStats->text(); };
    TPaintWatch watch;
    form.SoundList()->viewport()->installEventFilter(&watch);
    QElapsedTimer ticks;
    qint64 lastTick = -1;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = ticks.elapsed();
        if (lastTick >= 0)
            run.latestTimerMs = std::max(run.latestTimerMs, now - lastTick - 10);
        lastTick = now;
    });
    QElapsedTimer batch;
    // Started from the event loop, as a click on "Process marked" is.
    QTimer::singleShot(0, [&] {
        watch.clock.start();
        ticks.start();
        timer.start();
        batch.start();
        form.Action("acProcSel")->trigger();
        run.seconds = Seconds(batch);
        timer.stop();
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    run.longestWithoutPaintMs = watch.longest;
    run.paints = watch.paints;
    return run;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The machine is shared: each figure is the best of three rounds, taken in turn.
    double bare = 1e9, renameAndTag = 1e9, core = 1e9;
    TWindowRun run;
    run.seconds = 1e9;
    for (int round = 0; round < rounds; ++round) {
        bare = std::min(bare, BareRenames());
        renameAndTag = std::min(renameAndTag, RenameAndTagLoop());
        core = std::min(core, CoreBatch());
        const TWindowRun window = BatchInTheWindow();
        if (window.seconds < run.seconds)
            run = window;
    }
    std::printf("files: %d empty WAV files, all three tags, renamed by \"%%Trc; - %%FDes;\"\n", fileCount);
    std::printf("bare rename(2) loop:           %8.0f files/s\n", fileCount / bare);
    std::printf("rename + WriteTags loop:       %8.0f files/s\n", fileCount / renameAndTag);
    std::printf("batch in the core, at once:    %8.0f files/s\n", fileCount / core);
    std::printf("batch from the main window:    %8.0f files/s (%.2f s)\n", fileCount / run.seconds, run.seconds);
    std::printf("batch / bare rename:           %8.2f times the time\n", run.seconds / bare);
    std::printf("batch / rename + WriteTags:    %8.2f times the time\n", run.seconds / renameAndTag);
    std::printf("list repaints during the batch: %d, longest gap %lld ms\n", run.paints,
                static_cast<long long>(run.longestWithoutPaintMs));
    std::printf("10 ms timer came at most %lld ms late\n", static_cast<long long>(run.latestTimerMs));
    std::printf("report: %s\n", qPrintable(QString(run.report).replace('\n', " / ")));
    return 0;
}
