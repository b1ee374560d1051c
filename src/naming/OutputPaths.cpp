#include "naming/OutputPaths.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/MakeGoodString.h"
#include "naming/TextCuts.h"
#include "naming/WithTrailingSlash.h"

namespace {
// Folder names have the file system's limit of 255 bytes, as file names do.
constexpr qsizetype largestFolderNameBytes = 255;

// The metadata come from the user and from online databases; a series called ".." must not
// lead the import out of the output root, so such a name makes no folder. A name too long for
// the file system is cut at a character boundary.
void AppendFolder(QString& relative, const QString& value) {
    QString name = MakeGoodString(value);
    if (Utf8Length(name) > largestFolderNameBytes)
        name = MakeGoodString(LeadingUtf8Bytes(name, largestFolderNameBytes));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return;
    relative += name + u'/';
}
} // namespace

QString BuildOutputFolder(const tsound& sound, const TFileNameOptions& naming,
                          const QString& outputRoot) {
    const QString root = WithTrailingSlash(outputRoot);
    if (!naming.AutoFolder)
        return root;
    QString relative;
    if (naming.AutoFolderPublisher)
        AppendFolder(relative, sound.ID3.Publisher);
    AppendFolder(relative, sound.ID3.Artist);
    AppendFolder(relative, sound.ID3.Album);
    return root + relative;
}

void BuildOutputPaths(TSoundList& sounds, const TFileNameOptions& naming, const QString& outputRoot) {
    for (tsound* sound : sounds)
        sound->path = BuildOutputFolder(*sound, naming, outputRoot) + sound->filename;
}
