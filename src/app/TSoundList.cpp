#include "app/TSoundList.h"

#include "app/tsound.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <future>

namespace {
constexpr size_t ParallelSortFrom = 10000;

struct TKeyedSound {
    QCollatorSortKey key;
    tsound* sound;
    operator tsound*() const { return sound; } // lets std::merge write the records back
};

bool KeyedBefore(const TKeyedSound& a, const TKeyedSound& b) { return a.key.compare(b.key) < 0; }

using TSoundIterator = std::vector<tsound*>::const_iterator;

// Sort keys make long lists sort in a fraction of the time of pairwise compares. Each thread
// needs its own collator; the keys of any two compare alike.
std::vector<TKeyedSound> SortedByKey(const QLocale& locale, TSoundIterator first,
                                     TSoundIterator last) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<TKeyedSound> keyed;
    keyed.reserve(size_t(last - first));
    for (auto sound = first; sound != last; ++sound)
        keyed.push_back({collator.sortKey((*sound)->Description), *sound});
    std::sort(keyed.begin(), keyed.end(), KeyedBefore);
    return keyed;
}
} // namespace

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

std::vector<std::unique_ptr<tsound>> TSoundList::TakeRecords() {
    std::vector<std::unique_ptr<tsound>> records;
    if (ownership_ == OwnsRecords) {
        records.reserve(items_.size());
        for (tsound* sound : items_)
            records.emplace_back(sound);
    }
    items_.clear();
    return records;
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
    // Building the collation keys is most of the work; long lists share it between two threads.
    const auto middle = items_.begin() + std::ptrdiff_t(items_.size() / 2);
    std::vector<TKeyedSound> front;
    std::vector<TKeyedSound> back;
    if (items_.size() < ParallelSortFrom) {
        front = SortedByKey(collator.locale(), items_.begin(), items_.end());
    } else {
        auto backSorted = std::async(std::launch::async, SortedByKey, collator.locale(), middle,
                                     items_.end());
        front = SortedByKey(collator.locale(), items_.begin(), middle);
        back = backSorted.get();
    }
    std::merge(front.begin(), front.end(), back.begin(), back.end(), items_.begin(), KeyedBefore);
}
