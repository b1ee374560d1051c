#include "ui/TsdxListModel.h"

#include "app/TSoundList.h"
#include "app/tsound.h"

#include <algorithm>

TsdxListModel::TsdxListModel(QObject* parent) : QAbstractListModel(parent) {}

void TsdxListModel::Rebuild(const TSoundList* sounds) {
    beginResetModel();
    items_.clear();
    expanded_.clear();
    if (sounds) {
        const int count = std::min(sounds->Count(), MaxRows);
        items_.resize(size_t(count));
        for (int row = 0; row < count; ++row) {
            TsdxListItem& item = items_[size_t(row)];
            item.sound = sounds->Ref(row);
            item.LastStatus = quint8(item.sound->Status);
            item.LastCopyCount = item.sound->CopyCount;
        }
    }
    items_.shrink_to_fit();
    endResetModel();
}

void TsdxListModel::SetChecked(int row, bool checked) {
    items_.at(size_t(row)).Checked = checked;
    RowsChanged(row, row, {Qt::CheckStateRole});
}

void TsdxListModel::SetAllChecked(bool checked) {
    for (TsdxListItem& item : items_)
        item.Checked = checked;
    RowsChanged(0, Count() - 1, {Qt::CheckStateRole});
}

void TsdxListModel::SetChecked(const std::vector<int>& rows, bool checked) {
    if (rows.empty())
        return;
    for (int row : rows)
        items_.at(size_t(row)).Checked = checked;
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    RowsChanged(*first, *last, {Qt::CheckStateRole});
}

QList<TSoundRef> TsdxListModel::CheckedSounds() const {
    QList<TSoundRef> sounds;
    for (const TsdxListItem& item : items_) {
        if (item.Checked)
            sounds.append(item.sound);
    }
    return sounds;
}

bool TsdxListModel::IsExpanded(int row) const {
    return std::binary_search(expanded_.begin(), expanded_.end(), row);
}

void TsdxListModel::SetExpanded(int row, bool expanded) {
    auto place = std::lower_bound(expanded_.begin(), expanded_.end(), row);
    const bool isExpanded = place != expanded_.end() && *place == row;
    if (expanded == isExpanded)
        return;
    if (expanded)
        expanded_.insert(place, row);
    else
        expanded_.erase(place);
    RowsChanged(row, row, {ExpandedRole});
}

void TsdxListModel::CollapseAll() {
    const std::vector<int> rows = expanded_;
    for (int row : rows)
        SetExpanded(row, false);
}

std::vector<int> TsdxListModel::TakeRowsToRepaint() {
    std::vector<int> rows;
    for (size_t row = 0; row < items_.size(); ++row) {
        TsdxListItem& item = items_[row];
        const TSoundStatus status = item.sound->Status;
        const int percent = item.sound->CopyCount;
        const bool animates = status == ssConverting && percent <= 0;
        const bool percentMoved =
            (status == ssRipping || status == ssConverting) && percent != item.LastCopyCount;
        if (status != item.LastStatus || percentMoved || animates) {
            item.LastStatus = quint8(status);
            item.LastCopyCount = percent;
            rows.push_back(int(row));
        }
    }
    return rows;
}

int TsdxListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant TsdxListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return QVariant();
    const TsdxListItem& item = items_[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return item.sound->Description;
    case Qt::CheckStateRole:
        return item.Checked ? Qt::Checked : Qt::Unchecked;
    case SoundRole:
        return QVariant::fromValue(static_cast<void*>(item.sound.get()));
    case ExpandedRole:
        return IsExpanded(index.row());
    default:
        return QVariant();
    }
}

bool TsdxListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= Count() || role != Qt::CheckStateRole)
        return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TsdxListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void TsdxListModel::RowsChanged(int first, int last, const QList<int>& roles) {
    if (first <= last)
        emit dataChanged(index(first), index(last), roles);
}
