#pragma once

#include <QList>

// A list of references that never releases what it refers to. Destruction empties it from the
// front first, so a derived list sees every entry leave in order.
template <typename T>
class TMyList {
public:
    virtual ~TMyList() {
        while (!items_.isEmpty())
            items_.removeFirst();
    }

    void Add(T* item) { items_.append(item); }
    int Count() const { return int(items_.size()); }
    T* Items(int index) const { return items_.at(index); }
    void Delete(int index) { items_.removeAt(index); }
    int IndexOf(const T* item) const { return int(items_.indexOf(const_cast<T*>(item))); }

private:
    QList<T*> items_;
};
