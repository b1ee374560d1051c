#pragma once

#include "naming/TFileNameOptions.h"

#include <QString>

class TSoundList;
class tsound;

// The folder, ending in "/", into which the import writes `sound`: the output root, followed
// with AutoFolder by the publisher (with AutoFolderPublisher), the series or artist and the
// CD or album, each cleaned with MakeGoodString and cut to 255 UTF-8 bytes; empty values make
// no folder.
QString BuildOutputFolder(const tsound& sound, const TFileNameOptions& naming,
                          const QString& outputRoot);

// Sets `path` of every sound to its output folder followed by its `filename`.
void BuildOutputPaths(TSoundList& sounds, const TFileNameOptions& naming, const QString& outputRoot);
