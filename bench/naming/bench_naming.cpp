// Names for 100,000 sounds by both builders, the numbering of colliding numbered names, and
// the scan of a folder of 100,000 empty files against a bare listing of the same folder. Prints its figures; the best of three runs counts.
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/FixDuplicates.h"
#include "naming/LoadFolder.h"
#include "naming/NameBuilders.h"
#include "naming/TFindFile.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {
constexpr int soundCount = 100000;
constexpr int runs = 3;

// The best wall time of three runs; `cpuSeconds` gets the processor time of that run, which
// tells more than the wall time when other work shares the machine's two cores.
double BestSeconds(const std::function<void()>& work, double* cpuSeconds = nullptr) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        work();
        const double wall = timer.nsecsElapsed() / 1e9;
        if (wall < best) {
            best = wall;
            if (cpuSeconds)
                *cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        }
    }
    return best;
}

// Many equal descriptions: 2,000 different texts, 50 sounds each.
void FillSounds(TSoundList& sounds) {
    for (int i = 0; i < soundCount; ++i) {
        auto* sound = new tsound;
        sound->Description = QStringLiteral("Door slam, heavy wooden %1").arg(i % 2000);
        sound->ID3.Track = QString::number(i % 99 + 1);
        sound->ID3.Artist = "Nature";
        sound->ID3.Album = "Birds 2";
        sounds.Add(sound);
    }
}

void MakeFiles(const QString& folder) {
    const char* extensions[] = {".wav", ".WAV", ".mp3", ".aif", ".txt"};
    for (int i = 0; i < soundCount; ++i) {
        QFile file(folder + QStringLiteral("/Sound %1").arg(i) + extensions[i % 5]);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(file.fileName()));
    }
}

// "Dog 1".."Dog <count>" followed by <count> times "Dog": the numbers the classic rule gives
// the plain "Dog"s are all taken, so each must be numbered on past them.
QStringList CollidingNames(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("Dog %1").arg(i));
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("Dog"));
    return lines;
}

// The same number of lines, all different: FixDuplicates only groups them.
QStringList UniqueNames(int count) {
    QStringList lines;
    for (int i = 1; i <= 2 * count; ++i)
        lines.append(QStringLiteral("Dog %1").arg(i));
    return lines;
}

void PrintCollidingNumbering() {
    std::printf("FixDuplicates on numbered names that collide\n");
    for (int count : {2500, 25000}) {
        const QStringList collidingNames = CollidingNames(count);
        const QStringList uniqueNames = UniqueNames(count);
        const double colliding = BestSeconds([&] {
            QStringList lines = collidingNames;
            FixDuplicates(lines);
        });
        const double unique = BestSeconds([&] {
            QStringList lines = uniqueNames;
            FixDuplicates(lines);
        });
        std::printf("  \"Dog 1\"..\"Dog %d\" + %d x \"Dog\": %.4f s; %d different names: %.4f s "
                    "(%.1f x)\n",
                    count, count, colliding, 2 * count, unique, colliding / unique);
    }
}

qsizetype BareListing(const QString& folder) {
    qsizetype count = 0;
    QDirIterator entries(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        ++count;
    }
    return count;
}
} // namespace

// "bench_naming names" skips the folder part.
int main(int argc, char** argv) {
    TSoundList sounds;
    FillSounds(sounds);
    TFileNameOptions naming;
    naming.Mask = "%FDes; - %Ser;"; // every name 50 times: the duplicate numbering works hard
    double importCpu = 0, renameCpu = 0;
    const double importSeconds =
        BestSeconds([&] { BuildImportNames(sounds, naming, 25, sfwav); }, &importCpu);
    const double renameSeconds =
        BestSeconds([&] { BuildRenameNames(sounds, naming, true); }, &renameCpu);
    std::printf("names of %d sounds (2,000 texts, 50 each)\n", soundCount);
    std::printf("  import builder: %.3f s wall, %.3f s cpu (target < 0.5 s)\n", importSeconds,
                importCpu);
    std::printf("  rename builder: %.3f s wall, %.3f s cpu (target < 0.5 s)\n", renameSeconds,
                renameCpu);
    std::printf("  example name:   %s\n", qPrintable(sounds.Items(soundCount - 1)->filename));
    PrintCollidingNumbering();

    if (argc > 1 && QByteArray(argv[1]) == "names")
        return 0;

    QTemporaryDir dir;
    MakeFiles(dir.path());
    qsizetype listed = 0;
    double listingCpu = 0, searchCpu = 0;
    const double listingSeconds =
        BestSeconds([&] { listed = BareListing(dir.path()); }, &listingCpu);
    TFindFile finder;
    finder.SetPath(dir.path());
    finder.MultiMask = {"*.wav", "*.mp3", "*.aif"};
    qsizetype found = 0;
    const double searchSeconds =
        BestSeconds([&] { found = finder.SearchByMasks().size(); }, &searchCpu);
    TSoundList scanned;
    const double scanSeconds =
        BestSeconds([&] { LoadFolder(dir.path(), scanned, naming, true, {}); });
    std::printf("folder of %d empty files (4 of 5 sound files)\n", soundCount);
    std::printf("  bare listing:   %.3f s wall, %.3f s cpu (%lld entries)\n", listingSeconds,
                listingCpu, (long long)listed);
    std::printf("  TFindFile scan: %.3f s wall, %.3f s cpu (%lld sound files), %.2f x the listing "
                "(target <= 1.5 x)\n",
                searchSeconds, searchCpu, (long long)found, searchSeconds / listingSeconds);
    std::printf("  LoadFolder:     %.3f s (%d records, names built), %.2f x the listing\n",
                scanSeconds, scanned.Count(), scanSeconds / listingSeconds);
    return 0;
}
