#pragma once

#include "naming/TFileNameOptions.h"

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
