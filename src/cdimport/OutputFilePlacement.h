#pragma once

#include "app/TResult.h"

#include <QString>

// An import makes each file under a side name in its target folder and gives it its final name
// only when it is whole: rip, conversion and tags done. Until then an earlier file under that
// name stays as it was, and a failed, cut or cancelled track leaves nothing under a final name
// that could pass for a take.

// "<final>.part" (numbered when taken), in the final file's folder, so that putting it in
// place is a rename within one file system.
QString SideNameFor(const QString& finalPath);
// "<stem> (incomplete).wav": where the audio of a track that could not be finished is kept.
// Always ".wav": whatever the import was to make, what is kept is the ripped WAV.
QString IncompleteNameFor(const QString& finalPath);
// Brings `side` to the disk, then gives it the name `finalPath`. An existing file there is
// replaced only when `mayReplace` (the user agreed to it), and then in one step, so that the
// name never stands empty or half-written; otherwise a file under the name, also one that
// appeared meanwhile, is never replaced and the result says so. `side` stays on failure.
TResult PutInPlace(const QString& side, const QString& finalPath, bool mayReplace);
// Moves `side` to the first free form of `wanted` ("x (incomplete).wav", "x (incomplete) 2.wav")
// and returns where the audio is now: `side` itself when it could not be moved, empty when
// there is no such file.
QString KeepUnder(const QString& side, const QString& wanted);
