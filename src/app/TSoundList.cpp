#include "app/TSoundList.h"

#include "app/tsound.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>

TSoundList::TSoundList(Ownership ownership) : ownership_(ownership) {}

TSoundList::~TSoundList() { Clear(); }

void TSoundList::Add(tsound* sound) { items_.push_back(sound); }

void TSoundList::Add(std::unique_ptr<tsound> sound) { items_.push_back(sound.release()); }

int TSoundList::IndexOf(const tsound* sound) const {
    auto found = std::find(items_.begin(), items_.end(), sound);
    return found == items_.end() ? -1 : int(found - items_.begin());
}

void TSoundList::Clear() {
    if (ownership_ == OwnsRecords) {
        for (tsound* sound : items_)
            delete sound;
    }
    items_.clear();
}

void TSoundList::SortByDescription() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    // Lists usually arrive in order already (a folder scan sorts by path, a rebuild follows an
    // earlier sort); one pass of compares is a tenth of the cost of building sort keys.
    const auto before = [&](const tsound* a, const tsound* b) {
        return collator.compare(a->Description, b->Description) < 0;
    };
    if (std::is_sorted(items_.begin(), items_.end(), before))
        return;
    // Sort keys make 100,000 records sort in a fraction of the time of pairwise compares.
    struct Keyed {
        QCollatorSortKey key;
        tsound* sound;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(items_.size());
    for (tsound* sound : items_)
        keyed.push_back({collator.sortKey(sound->Description), sound});
    std::sort(keyed.begin(), keyed.end(),
              [](const Keyed& a, const Keyed& b) { return a.key.compare(b.key) < 0; });
    for (size_t i = 0; i < keyed.size(); ++i)
        items_[i] = keyed[i].sound;
}
