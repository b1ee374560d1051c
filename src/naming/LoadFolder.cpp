#include "naming/LoadFolder.h"

#include "app/DiskPath.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/ApplyPanelFields.h"
#include "naming/NameBuilders.h"
#include "naming/TBackgroundListing.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {
TAudioFormat FormatOfExtension(QStringView suffix) {
    if (suffix.compare(u"mp3", Qt::CaseInsensitive) == 0)
        return sfmp3;
    if (suffix.compare(u"aif", Qt::CaseInsensitive) == 0)
        return sfAIFF;
    return sfwav;
}

// The record of one listed file, made from its name alone (`name` is its display form). The
// name is kept once for the file name and the present name (shared text), which 100,000
// records notice. A path that is no valid UTF-8 keeps its bytes for whatever opens the file.
std::unique_ptr<tsound> MakeFolderSound(const QByteArray& path, const QString& name) {
    auto sound = std::make_unique<tsound>();
    const qsizetype dot = name.lastIndexOf(u'.');
    sound->Status = ssRenameTag;
    SetPathFromDisk(*sound, path);
    sound->filename = name;
    sound->Comment = name;
    sound->Description = dot < 0 ? name : name.left(dot);
    sound->Format = dot < 0 ? sfwav : FormatOfExtension(QStringView(name).mid(dot + 1));
    sound->bwav = QStringLiteral("%SoundDescription;");
    sound->bWav2 = QStringLiteral("%Publisher;");
    sound->bWav3 = QStringLiteral("%CD;");
    return sound;
}

// The listed files, kept in the folder's order as they come: each batch is sorted when it
// arrives and merged with the earlier ones like a binary counter, so that while a long folder
// is read most of the sorting is done, and little is left once it ends. The records are made
// at the end, in the folder's order: the later passes over 100,000 of them (names, sorting,
// painting) run much faster through memory in the order they are walked.
// All paths share the folder, so the names alone decide the order. They are case-folded first
// because sort keys of the C locale do not honour the case setting.
class TFolderOrder {
public:
    TFolderOrder() { collator_.setCaseSensitivity(Qt::CaseInsensitive); }

    void Add(std::vector<TListedFile>& listed) {
        std::vector<quint32> run;
        run.reserve(listed.size());
        for (TListedFile& file : listed) {
            run.push_back(quint32(files_.size()));
            QString name = DisplayFormOf(file.path.mid(file.nameStart));
            keys_.push_back(collator_.sortKey(name.toCaseFolded()));
            names_.push_back(std::move(name));
            files_.push_back(std::move(file.path));
        }
        std::sort(run.begin(), run.end(), TBefore{keys_});
        runs_.push_back(std::move(run));
        while (runs_.size() > 1 && runs_[runs_.size() - 2].size() <= runs_.back().size())
            MergeLastTwo();
    }
    int Count() const { return int(files_.size()); }

    // Makes the records in the folder's order, numbered from 1.
    void MoveInOrderTo(TSoundList& sounds) {
        while (runs_.size() > 1)
            MergeLastTwo();
        if (!runs_.empty()) {
            const std::vector<quint32>& order = runs_.front();
            for (size_t i = 0; i < order.size(); ++i) {
                std::unique_ptr<tsound> sound = MakeFolderSound(files_[order[i]], names_[order[i]]);
                sound->ID3.Track = QString::number(i + 1);
                sounds.Add(std::move(sound));
            }
        }
        runs_.clear();
        files_.clear();
        names_.clear();
        keys_.clear();
    }

private:
    // Orders positions by the keys of their files.
    struct TBefore {
        const std::vector<QCollatorSortKey>& keys;
        bool operator()(quint32 a, quint32 b) const { return keys[a].compare(keys[b]) < 0; }
    };

    void MergeLastTwo() {
        std::vector<quint32> later = std::move(runs_.back());
        runs_.pop_back();
        std::vector<quint32>& earlier = runs_.back();
        std::vector<quint32> merged(earlier.size() + later.size());
        std::merge(earlier.begin(), earlier.end(), later.begin(), later.end(), merged.begin(),
                   TBefore{keys_});
        earlier = std::move(merged);
    }

    QCollator collator_;
    std::vector<QByteArray> files_;          // full paths, in listing order
    std::vector<QString> names_;             // the display form of each one's name
    std::vector<QCollatorSortKey> keys_;     // of each of them
    std::vector<std::vector<quint32>> runs_; // sorted runs of positions, longest first
};

void FillFromListing(TBackgroundListing& listing, TSoundList& sounds,
                     const TFolderLoadEvents& events) {
    TFolderOrder order;
    try {
        for (std::vector<TListedFile> files = listing.Take(FolderLoadStep); !files.empty();
             files = listing.Take(FolderLoadStep)) {
            const bool wholeStep = files.size() == FolderLoadStep;
            order.Add(files);
            if (wholeStep && events.progress)
                events.progress(order.Count());
        }
    } catch (...) {
        order.MoveInOrderTo(sounds);
        throw;
    }
    order.MoveInOrderTo(sounds);
}

// Lists `folder` into `sounds`; `name` gives the filled list its names (and whatever else the
// records carry besides them).
void ListInto(const QByteArray& folder, TSoundList& sounds, const TFolderLoadEvents& events,
              const std::function<void()>& name) {
    std::optional<TBackgroundListing> listing;
    if (IsFolderOnDisk(folder))
        listing.emplace(folder);
    // The list is empty at once; the old records, which take as long to release as the folder
    // to read when there are 100,000, go once the new rows are shown, on a thread of their own.
    std::vector<TSoundRef> previous = sounds.TakeRecords();
    if (events.listChanged)
        events.listChanged();
    if (!listing)
        return;
    std::jthread release;
    auto finish = [&] {
        if (events.namesBuilt && events.listChanged)
            events.listChanged();
        release = std::jthread([old = std::move(previous)]() mutable { old.clear(); });
        name();
        if (events.namesBuilt)
            events.namesBuilt();
        else if (events.listChanged)
            events.listChanged();
    };
    try {
        FillFromListing(*listing, sounds, events);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
} // namespace

void LoadFolder(const QString& folder, TSoundList& sounds, const TFileNameOptions& naming,
                bool renameFiles, const TFolderLoadEvents& events) {
    ListInto(DiskPath(folder), sounds, events,
             [&] { BuildRenameNames(sounds, naming, renameFiles); });
}

void LoadFolderOnDisk(const QByteArray& folder, TSoundList& sounds, const TFileNameOptions& naming,
                      const TPanelValues& panel, const TFolderLoadEvents& events) {
    ListInto(folder, sounds, events, [&] { ApplyPanelFields(sounds, panel, naming); });
}

bool IsFolderOnDisk(const QByteArray& folder) {
    struct stat status {};
    return !folder.isEmpty() && ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

int NamesNotUtf8(const TSoundList& sounds) {
    int count = 0;
    for (const tsound* sound : sounds) {
        if (sound->pathOnDisk.isEmpty())
            continue; // the whole path is valid UTF-8
        const QByteArray& path = sound->pathOnDisk;
        if (!IsValidUtf8(path.mid(path.lastIndexOf('/') + 1)))
            ++count;
    }
    return count;
}
