#include "naming/LoadFolder.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/NameBuilders.h"
#include "naming/TFindFile.h"
#include "naming/WithTrailingSlash.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace {
QStringList ListSoundFiles(const QString& folder) {
    TFindFile finder;
    finder.InSubFolders = false;
    finder.SetPath(folder);
    // A folder removed in the meantime leaves the finder on its old path: list nothing then.
    if (finder.Path() != WithTrailingSlash(folder))
        return {};
    finder.MultiMask = {QStringLiteral("*.wav"), QStringLiteral("*.mp3"), QStringLiteral("*.aif")};
    return finder.SearchByMasks();
}

// Sort keys keep a folder of 100,000 files from costing millions of collations. The paths are
// case-folded first because sort keys of the C locale do not honour the case setting.
void SortPathsIgnoringCase(QStringList& paths) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(size_t(paths.size()));
    for (qsizetype i = 0; i < paths.size(); ++i)
        keyed.emplace_back(collator.sortKey(paths[i].toCaseFolded()), i);
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(paths.size());
    for (const auto& entry : keyed)
        sorted.append(paths[entry.second]);
    paths = std::move(sorted);
}

TAudioFormat FormatOfExtension(const QString& suffix) {
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("mp3"))
        return sfmp3;
    if (lower == QLatin1String("aif"))
        return sfAIFF;
    return sfwav;
}

std::unique_ptr<tsound> MakeFolderSound(const QString& path, int position) {
    const QFileInfo file(path);
    auto sound = std::make_unique<tsound>();
    sound->Status = ssRenameTag;
    sound->path = path;
    sound->filename = file.fileName();
    sound->Comment = file.fileName();
    sound->Description = file.completeBaseName();
    sound->Format = FormatOfExtension(file.suffix());
    sound->ID3.Track = QString::number(position);
    sound->bwav = QStringLiteral("%SoundDescription;");
    sound->bWav2 = QStringLiteral("%Publisher;");
    sound->bWav3 = QStringLiteral("%CD;");
    return sound;
}

void FillFromFolder(const QString& folder, TSoundList& sounds) {
    QStringList paths = ListSoundFiles(folder);
    SortPathsIgnoringCase(paths);
    for (qsizetype i = 0; i < paths.size(); ++i)
        sounds.Add(MakeFolderSound(paths[i], int(i + 1)));
}
} // namespace

void LoadFolder(const QString& folder, TSoundList& sounds, const TFileNameOptions& naming,
                bool renameFiles, const std::function<void()>& listChanged) {
    sounds.Clear();
    if (listChanged)
        listChanged();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    auto finish = [&] {
        BuildRenameNames(sounds, naming, renameFiles);
        if (listChanged)
            listChanged();
    };
    try {
        FillFromFolder(folder, sounds);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
