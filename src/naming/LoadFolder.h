#pragma once

#include "naming/TFileNameOptions.h"

#include <QString>

#include <functional>

class TSoundList;

// Rebuilds `sounds` from the sound files of `folder` (not its subfolders): "*.wav", "*.mp3"
// and "*.aif", letter case ignored, in the order of their full paths (locale order, case
// ignored). Each file becomes a rename/tag record made from its name alone; its track number
// is its position. Then the rename names are built from `naming`.
// `listChanged` is called once the list is emptied and again when it is filled. A missing
// folder leaves the list empty. An error while filling keeps the records made so far, names
// them, and then reaches the caller.
void LoadFolder(const QString& folder, TSoundList& sounds, const TFileNameOptions& naming,
                bool renameFiles, const std::function<void()>& listChanged);
