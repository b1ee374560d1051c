#pragma once

#include <QStringList>

// An input history: kept sorted in the locale's order without regard to letter case, holding
// no two entries that differ only in letter case. Stored as plain text, one entry a line,
// each line ended by CR LF.
class THistoryList {
public:
    // Adds `text` unless an entry equals it when letter case is ignored.
    void Add(const QString& text);
    void Clear() { entries_.clear(); }
    const QStringList& Entries() const { return entries_; }
    int Count() const { return int(entries_.size()); }

    // Replaces the entries by the lines of `fileName`, sorted, repeats dropped.
    // Returns false when the file cannot be read (the entries are then unchanged).
    bool LoadFromFile(const QString& fileName);
    // Writes the entries to `fileName`, replacing it; throws EAppError with the system's reason.
    void SaveToFile(const QString& fileName) const;

private:
    int InsertPosition(const QString& text, bool& exists) const;
    QStringList entries_;
};
