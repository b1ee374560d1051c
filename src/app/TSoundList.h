#pragma once

#include <memory>
#include <vector>

class tsound;

// An ordered list of sound records. The main controller's list owns its records and releases
// them when it is cleared or destroyed; every other list only refers to records of that one.
class TSoundList {
public:
    enum Ownership { OwnsRecords, RefersOnly };

    explicit TSoundList(Ownership ownership = OwnsRecords);
    ~TSoundList();
    TSoundList(const TSoundList&) = delete;
    TSoundList& operator=(const TSoundList&) = delete;

    // An owning list takes the record over; a referring list only remembers it.
    void Add(tsound* sound);
    void Add(std::unique_ptr<tsound> sound);
    int Count() const { return int(items_.size()); }
    tsound* Items(int index) const { return items_.at(size_t(index)); }
    int IndexOf(const tsound* sound) const;
    void Clear();
    // Empties the list without releasing its records: the caller takes over those of an owning
    // list (for example to release 100,000 of them where it does not hold anybody up).
    std::vector<std::unique_ptr<tsound>> TakeRecords();
    bool OwnsItsRecords() const { return ownership_ == OwnsRecords; }

    // Orders by Description with the locale's case-sensitive collation; not stable.
    void SortByDescription();

    std::vector<tsound*>::const_iterator begin() const { return items_.begin(); }
    std::vector<tsound*>::const_iterator end() const { return items_.end(); }

private:
    Ownership ownership_;
    std::vector<tsound*> items_;
};
