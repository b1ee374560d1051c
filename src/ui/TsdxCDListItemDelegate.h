#pragma once

#include <QAbstractItemDelegate>
#include <QPixmap>

class QPainter;
class TsdxList;
class TsdxListModel;
struct TsdxListItem;
class tsound;

// Paints the rows of the CD list: plain rows (description, tag summary, length, file name, mark
// button, number), job rows of an import (state and percentage) and rename rows (old and new
// name). Colours and the column line come from the list's layout.
class TsdxCDListItemDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    TsdxCDListItemDelegate(TsdxListModel* model, const TsdxList* list, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    struct Row; // what one paint needs to know about the row

    void PaintNormalRow(QPainter& painter, const Row& row) const;
    void PaintJobRow(QPainter& painter, const Row& row) const;
    void PaintRenameRow(QPainter& painter, const Row& row) const;
    void PaintMarkButtonAndNumber(QPainter& painter, const Row& row) const;
    void PaintTagSummary(QPainter& painter, const Row& row, const QColor& color) const;
    static QPixmap MakeCdPicture();

    TsdxListModel* model_;
    const TsdxList* list_;
    QPixmap cdPicture_;
};
