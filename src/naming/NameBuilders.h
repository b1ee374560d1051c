#pragma once

#include "app/SoundTypes.h"
#include "naming/TFileNameOptions.h"

class TSoundList;

// The two name builders. Each sets `filename` of every sound from a mask: the tokens are
// replaced in a fixed order, the result is cleaned with MakeGoodString, a leading "- " is
// dropped, equal names (also when they differ only in letter case) are numbered and the
// extension is added. A name is cut, before its number and extension and at a character
// boundary, so that the whole file name fits into 255 UTF-8 bytes.
// A track number that is no decimal integer stops the build with EAppError
// "'<text>' is not a valid integer value"; then every sound keeps its previous name.
// The callers run the import builder only in import mode and the rename builder only in
// rename/tag mode.

// Import: "%SDes;" keeps `shortCount` characters (as the reader counts them), track numbers below 10 get a leading "0",
// the extension is that of the import's output format.
void BuildImportNames(TSoundList& sounds, const TFileNameOptions& naming, int shortCount,
                      TAudioFormat outputFormat);

// Rename/tag mode: "%SDes;" keeps 25 characters, track numbers are padded to 2, 3 or 4 digits
// by the size of the list, the extension is that of each sound's own format.
// With `renameFiles` off every sound keeps the name it has on disk (its `Comment`).
void BuildRenameNames(TSoundList& sounds, const TFileNameOptions& naming, bool renameFiles);
