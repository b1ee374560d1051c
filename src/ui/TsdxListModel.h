#pragma once

#include "ui/TsdxListItem.h"

#include <QAbstractListModel>
#include <QList>

#include <vector>

class TSoundList;

// The rows of a sound list view: one per record of the bound sound list, in its order, with
// the row's own state (the mark, the expansion, what the last progress repaint showed).
class TsdxListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int MaxRows = 100000;
    enum Role { SoundRole = Qt::UserRole + 1, ExpandedRole };

    explicit TsdxListModel(QObject* parent = nullptr);

    // Rows for the first MaxRows records of `sounds` (none for nullptr); marks and expansion
    // start cleared.
    void Rebuild(const TSoundList* sounds);
    int Count() const { return int(items_.size()); }
    tsound* Sound(int row) const { return items_.at(size_t(row)).sound.get(); }
    const TSoundRef& SoundRef(int row) const { return items_.at(size_t(row)).sound; }
    TsdxListItem& Item(int row) { return items_.at(size_t(row)); }

    bool IsChecked(int row) const { return items_.at(size_t(row)).Checked; }
    void SetChecked(int row, bool checked);
    void SetAllChecked(bool checked);
    void SetChecked(const std::vector<int>& rows, bool checked);
    QList<TSoundRef> CheckedSounds() const;

    bool IsExpanded(int row) const;
    void SetExpanded(int row, bool expanded);
    void CollapseAll();
    // Expanded rows in ascending order; usually none or one.
    const std::vector<int>& ExpandedRows() const { return expanded_; }

    // Rows whose job display is out of date: the status changed since the last call, the
    // percentage moved, or a conversion without a percentage animates. Notes what they show now.
    std::vector<int> TakeRowsToRepaint();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void RowsChanged(int first, int last, const QList<int>& roles);

    std::vector<TsdxListItem> items_;
    std::vector<int> expanded_;
};
