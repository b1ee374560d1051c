#include "app/TSoundList.h"

#include "app/tsound.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <future>
#include <utility>

namespace {
constexpr size_t ParallelSortFrom = 10000;

struct TKeyedSound {
    QCollatorSortKey key;
    TSoundRef sound;
    operator TSoundRef() const { return sound; } // lets std::merge write the records back
};

bool KeyedBefore(const TKeyedSound& a, const TKeyedSound& b) { return a.key.compare(b.key) < 0; }

using TSoundIterator = std::vector<TSoundRef>::const_iterator;

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

TSoundList::~TSoundList() = default;

void TSoundList::Add(TSoundRef sound) { items_.push_back(std::move(sound)); }

void TSoundList::Add(std::unique_ptr<tsound> sound) { items_.emplace_back(std::move(sound)); }

void TSoundList::Add(tsound* sound) {
    if (ownership_ == OwnsRecords)
        items_.emplace_back(sound);
    else
        items_.emplace_back(std::shared_ptr<tsound>(), sound); // borrowed: never released here
}

TSoundRef TSoundList::RefOf(const tsound* sound) const {
    const int index = IndexOf(sound);
    return index < 0 ? TSoundRef() : items_[size_t(index)];
}

int TSoundList::IndexOf(const tsound* sound) const {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [sound](const TSoundRef& item) { return item.get() == sound; });
    return found == items_.end() ? -1 : int(found - items_.begin());
}

void TSoundList::Clear() { items_.clear(); }

std::vector<TSoundRef> TSoundList::TakeRecords() { return std::exchange(items_, {}); }

void TSoundList::SortByDescription() {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    // Lists usually arrive in order already (a folder scan sorts by path, a rebuild follows an
    // earlier sort); one pass of compares is a tenth of the cost of building sort keys.
    const auto before = [&](const TSoundRef& a, const TSoundRef& b) {
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
