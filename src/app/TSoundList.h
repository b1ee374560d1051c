#pragma once

#include "app/TSoundRef.h"

#include <iterator>
#include <memory>
#include <vector>

// An ordered list of sound records. Every list holds its records through shared references
// (see TSoundRef.h): the main controller's list is the one the window shows, and emptying it
// only lets go of its share, so a record that a job, a batch or an editor still works on lives
// on until that work lets go too.
class TSoundList {
public:
    // RefersOnly is for lists of records whose owner outlives the list (a stack record in a
    // test, a selection made from another list); such a list never releases what it got as a
    // plain pointer.
    enum Ownership { OwnsRecords, RefersOnly };

    explicit TSoundList(Ownership ownership = OwnsRecords);
    ~TSoundList();
    TSoundList(const TSoundList&) = delete;
    TSoundList& operator=(const TSoundList&) = delete;

    void Add(TSoundRef sound);
    void Add(std::unique_ptr<tsound> sound);
    // An owning list takes the record over; a referring list only remembers it.
    void Add(tsound* sound);
    int Count() const { return int(items_.size()); }
    tsound* Items(int index) const { return items_.at(size_t(index)).get(); }
    // A share of the record, for whoever keeps working on it after this call.
    const TSoundRef& Ref(int index) const { return items_.at(size_t(index)); }
    // The share of `sound` when this list holds it, else empty.
    TSoundRef RefOf(const tsound* sound) const;
    int IndexOf(const tsound* sound) const;
    void Clear();
    // Empties the list and hands over its shares: the caller decides where the records that
    // nobody else holds are released (100,000 of them take a while).
    std::vector<TSoundRef> TakeRecords();
    bool OwnsItsRecords() const { return ownership_ == OwnsRecords; }

    // Orders by Description with the locale's case-sensitive collation; not stable.
    void SortByDescription();

    // Walks the records as plain pointers, valid while the list holds them.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = tsound*;
        using difference_type = std::ptrdiff_t;
        using pointer = tsound* const*;
        using reference = tsound*;
        const_iterator() = default;
        explicit const_iterator(std::vector<TSoundRef>::const_iterator at) : at_(at) {}
        tsound* operator*() const { return at_->get(); }
        const_iterator& operator++() { ++at_; return *this; }
        const_iterator operator++(int) { auto old = *this; ++at_; return old; }
        bool operator==(const const_iterator& other) const { return at_ == other.at_; }
        difference_type operator-(const const_iterator& other) const { return at_ - other.at_; }
    private:
        std::vector<TSoundRef>::const_iterator at_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }
    const std::vector<TSoundRef>& Refs() const { return items_; }

private:
    Ownership ownership_;
    std::vector<TSoundRef> items_;
};
