// Picks a folder of 100,000 sound files in the main window's folder tree (offscreen platform)
// and prints the time from the pick to the painted list and to the new names in place, against
// a bare listing of the same folder and against `ls` of it; how often the window got to repaint
// meanwhile; and the memory per sound (records and rows). Target: the list painted within 1.5
// times a bare listing. Each figure is the best of three runs.
// "bench_folder_pick FOLDER" uses (and on the first run fills) FOLDER, so that a profiler can
// watch the picks without the making of 100,000 files.
#include "app/TfMainForm.h"
#include "app/TSoundList.h"
#include "ui/DarkLook.h"
#include "ui/TCDripperList.h"
#include "ui/TFolderBrowseModel.h"
#include "common/ResidentMemory.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {
constexpr int fileCount = 100000;
constexpr int runs = 3;

void MakeFiles(const QString& folder) {
    const char* extensions[] = {".wav", ".WAV", ".mp3", ".aif"};
    for (int i = 0; i < fileCount; ++i) {
        QFile file(folder + QStringLiteral("/Rain on a tin roof, take %1").arg(i) + extensions[i % 4]);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(file.fileName()));
    }
}

// What any program does to show a folder: read its entries and keep their names.
qsizetype BareListing(const QString& folder) {
    QStringList names;
    QDirIterator entries(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        names.append(entries.fileName());
    }
    return names.size();
}

// `ls` of the folder (it sorts the names too), its output thrown away.
void ListWithLs(const QString& folder) {
    QProcess ls;
    ls.setStandardOutputFile(QProcess::nullDevice());
    ls.start("ls", {folder});
    ls.waitForFinished(-1);
}

// Processor time of the whole process (all its threads), which the other work on a busy
// machine changes less than the wall time.
double ProcessCpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

double Seconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// Counts the event loop's turns while work runs: a window that never gets one is frozen.
struct TEventLoopWatch {
    QTimer ticker;
    QElapsedTimer sinceTick;
    int ticks = 0;
    qint64 longestGapMs = 0;

    TEventLoopWatch() {
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [this] {
            ++ticks;
            longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
            sinceTick.restart();
        });
    }
    void Start() {
        ticks = 0;
        longestGapMs = 0;
        sinceTick.start();
        ticker.start();
    }
    void Stop() {
        longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        ticker.stop();
    }
};

// Notes when the list was first painted with rows, and every count line painted.
struct TPaintWatch : QObject {
    TfMainForm& form;
    QElapsedTimer sincePick;
    double firstRowsSeconds = 0;
    QStringList countLines;

    explicit TPaintWatch(TfMainForm& mainForm) : form(mainForm) {
        form.SoundList()->viewport()->installEventFilter(this);
        form.CountLine()->installEventFilter(this);
    }
    void Start() {
        firstRowsSeconds = 0;
        countLines.clear();
        sincePick.start();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !sincePick.isValid())
            return false;
        if (watched == form.CountLine()) {
            if (countLines.isEmpty() || countLines.back() != form.CountLine()->text())
                countLines.append(form.CountLine()->text());
        } else if (form.SoundList()->Count() > 0 && firstRowsSeconds == 0) {
            firstRowsSeconds = sincePick.nsecsElapsed() / 1e9;
        }
        return false;
    }
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyDarkLook(app);

    QTemporaryDir programFolder;
    QTemporaryDir temporary;
    QTemporaryDir empty;
    const QString soundFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    QDir().mkpath(soundFolder);
    if (QDir(soundFolder).isEmpty())
        MakeFiles(soundFolder);

    // The same files under a second name: a pick of the other name reads the folder anew.
    const QString sameFolder = empty.filePath("same");
    QFile::link(QDir(soundFolder).absolutePath(), sameFolder);

    TfMainForm form(programFolder.path(), nullptr);
    form.StartUp();
    form.ShowRenameMode();
    form.show();
    QApplication::processEvents();
    auto* tree = form.FolderTree();
    auto* model = static_cast<TFolderBrowseModel*>(tree->model());
    auto pick = [&](const QString& folder) {
        tree->setCurrentIndex(model->index(folder));
        while (form.ListingFolder()) // the folder is read on a worker; its rows come whole
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        form.SoundList()->viewport()->repaint();
    };
    pick(programFolder.path());
    // The tree reads the folders on the way when asked for one, and lays out and paints its
    // rows later: let it finish, as it has long finished when a user picks.
    tree->scrollTo(model->index(soundFolder));
    tree->scrollTo(model->index(sameFolder));
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 1500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    TEventLoopWatch watch;
    TPaintWatch paints(form);
    double bestListing = 1e9, bestLs = 1e9, bestPaint = 1e9, bestNames = 1e9;
    double listingCpu = 1e9, pickCpu = 1e9;
    int ticksOfBest = 0;
    qint64 gapOfBest = 0;
    QStringList linesOfBest;
    double bytesPerSound = 0, residentPerSound = 0;
    qsizetype listed = 0;
    for (int run = 0; run < runs; ++run) {
        const double listingCpuStart = ProcessCpuSeconds();
        bestListing = std::min(bestListing, Seconds([&] { listed = BareListing(soundFolder); }));
        listingCpu = std::min(listingCpu, ProcessCpuSeconds() - listingCpuStart);
        bestLs = std::min(bestLs, Seconds([&] { ListWithLs(soundFolder); }));
        // The first pick comes from an empty folder, the later ones from the full one: the
        // old records go while the new folder is read.
        const size_t heapBefore = HeapInUse();
        const long residentBefore = ResidentKib();
        watch.Start();
        paints.Start();
        const double pickCpuStart = ProcessCpuSeconds();
        const double namesSeconds = Seconds([&] { pick(run % 2 ? sameFolder : soundFolder); });
        pickCpu = std::min(pickCpu, ProcessCpuSeconds() - pickCpuStart);
        watch.Stop();
        if (run == 0) { // later runs reuse memory the first one gave back to the heap
            bytesPerSound = double(HeapInUse() - heapBefore) / form.Sounds().Count();
            residentPerSound = (ResidentKib() - residentBefore) * 1024.0 / form.Sounds().Count();
        }
        bestPaint = std::min(bestPaint, paints.firstRowsSeconds);
        if (namesSeconds < bestNames) {
            bestNames = namesSeconds;
            ticksOfBest = watch.ticks;
            gapOfBest = watch.longestGapMs;
            linesOfBest = paints.countLines;
        }
        QApplication::processEvents();
    }

    std::printf("folder of %d sound files, best of %d runs, collation locale %s\n", fileCount,
                runs, qPrintable(QLocale().name()));
    std::printf("  bare listing:              %.3f s (%lld names), %.3f s cpu\n", bestListing,
                (long long)listed, listingCpu);
    std::printf("  ls:                        %.3f s\n", bestLs);
    std::printf("  pick to painted list:      %.3f s, %.2f x the listing, %.2f x ls "
                "(target <= 1.5 x)\n",
                bestPaint, bestPaint / bestListing, bestPaint / bestLs);
    std::printf("  pick to new names shown:   %.3f s, %.2f x the listing, %.2f x ls; %.3f s cpu\n",
                bestNames, bestNames / bestListing, bestNames / bestLs, pickCpu);
    std::printf("  window meanwhile:          %d event loop turns, longest gap %lld ms\n",
                ticksOfBest, (long long)gapOfBest);
    std::printf("  count lines painted:       %s\n", qPrintable(linesOfBest.join(" | ")));
    std::printf("  memory per sound:          %.0f bytes heap, %.0f bytes resident (records and "
                "rows)\n",
                bytesPerSound, residentPerSound);
    return 0;
}
