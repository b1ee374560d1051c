#pragma once

#include "naming/TFileNameOptions.h"
#include "naming/TPanelValues.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <type_traits>
#include <utility>

class TSoundList;

// What the caller of LoadFolder hears, on its own thread.
struct TFolderLoadEvents {
    TFolderLoadEvents() = default;
    // Only the list's changes.
    template <typename Call>
        requires std::is_invocable_v<Call&>
    TFolderLoadEvents(Call onListChanged) : listChanged(std::move(onListChanged)) {}

    // The list was emptied; called again when it is filled.
    std::function<void()> listChanged;
    // Files read so far, while a long folder is still being read (every FolderLoadStep files).
    std::function<void(int listed)> progress;
    // When set, the filled list is announced before its new names are built, and this follows
    // once they are in place; otherwise the list is announced with its names.
    std::function<void()> namesBuilt;
};

inline constexpr size_t FolderLoadStep = 2000;

// Rebuilds `sounds` from the sound files of `folder` (not its subfolders, never folders):
// "*.wav", "*.mp3" and "*.aif", letter case ignored, in the order of their full paths (locale
// order, case ignored). Each file becomes a rename/tag record made from its name alone; its
// track number is its position. Then the rename names are built from `naming`.
// The folder is read on a thread of its own while the files read so far are put in order.
// A missing folder leaves the list empty. An error while filling keeps the records made
// so far, names them, and then reaches the caller.
void LoadFolder(const QString& folder, TSoundList& sounds, const TFileNameOptions& naming,
                bool renameFiles, const TFolderLoadEvents& events);

// The same for a folder given as the system spells it (its bytes need not be UTF-8), and the
// records carry the panel's metadata as they arrive: what the panel shows is what a batch on
// them writes. Names are built with the panel's "Rename files". Records of files whose names
// are no valid UTF-8 keep their path's bytes (see DiskPath.h) and show a display form.
// An unreadable folder is an error; the files read before it stay listed.
void LoadFolderOnDisk(const QByteArray& folder, TSoundList& sounds, const TFileNameOptions& naming,
                      const TPanelValues& panel, const TFolderLoadEvents& events);

// True when `folder` (bytes) names a folder, or a link to one.
bool IsFolderOnDisk(const QByteArray& folder);

// How many records of `sounds` have a file name (not only a folder) that is no valid UTF-8.
int NamesNotUtf8(const TSoundList& sounds);
