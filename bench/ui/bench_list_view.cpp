// Fills the sound list view with 100,000 records on the offscreen platform and prints how long
// the rebuild, the commands and one progress repaint take, and what the rows cost in memory.
// Targets: first frame and each command under 100 ms, under 500 bytes per row.
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "ui/TCDripperList.h"
#include "ui/tListLayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <malloc.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>

namespace {
constexpr int Records = 100000;

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

void FillSounds(TSoundList& sounds) {
    std::mt19937 random(5);
    for (int i = 0; i < Records; ++i) {
        auto sound = std::make_unique<tsound>();
        sound->Description = QString("Effect %1 door slam").arg(random() % 1000000, 6, 10, QChar('0'));
        sound->filename = sound->Description + ".wav";
        sound->LengthSek = float(random() % 600);
        sound->Status = ssCdTrack;
        sounds.Add(std::move(sound));
    }
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TSoundList sounds;
    FillSounds(sounds);
    TCDripperList list;
    list.SetLayout(tListLayout::MainWindowLayout());
    list.resize(1000, 700);
    list.show();
    QApplication::processEvents();
    // In the program the window has painted text before a list is filled: load the fonts and
    // paint one row first, so the figure below is the list's own work.
    TSoundList warmUp;
    warmUp.Add(std::make_unique<tsound>());
    list.SetSoundList(&warmUp);
    list.RefreshList();
    list.viewport()->repaint();
    list.SetSoundList(&sounds);

    const size_t heapBefore = HeapInUse();
    const double firstFrame = Milliseconds([&] {
        list.RefreshList();
        list.viewport()->repaint();
    });
    const double rowBytes = double(HeapInUse() - heapBefore) / list.Count();
    // The records are in order now, as a folder scan or an earlier rebuild leaves them.
    const double firstFrameInOrder = Milliseconds([&] {
        list.RefreshList();
        list.viewport()->repaint();
    });

    auto command = [&](void (TsdxList::*run)()) {
        return Milliseconds([&] {
            (list.*run)();
            list.viewport()->repaint();
        });
    };
    const double selectAll = command(&TsdxList::SelectAll);
    const double markAll = command(&TsdxList::MarkAll);
    const double deselectAll = command(&TsdxList::DeselectAll);

    // 100 rows change state, a few of them on screen: one tick of the import's progress timer.
    for (int row = 0; row < Records; row += Records / 100)
        list.Sound(row)->Status = ssWaiting;
    for (int row = 0; row < 10; ++row)
        list.Sound(row)->Status = ssRipping;
    const double progress = Milliseconds([&] {
        list.RepaintChanged();
        list.viewport()->repaint();
    });

    std::printf("rows shown:                         %d\n", list.Count());
    std::printf("collation locale:                   %s\n", qPrintable(QLocale().name()));
    std::printf("RefreshList to first frame:\n");
    std::printf("  records in random order:          %.1f ms\n", firstFrame);
    std::printf("  records already in order:         %.1f ms\n", firstFrameInOrder);
    std::printf("Select all:                         %.2f ms\n", selectAll);
    std::printf("Mark all:                           %.2f ms\n", markAll);
    std::printf("Deselect all:                       %.2f ms\n", deselectAll);
    std::printf("progress repaint, 100 rows changed: %.2f ms\n", progress);
    std::printf("memory the rows add:                %.1f bytes per row\n", rowBytes);
    return 0;
}
