#include "ui/TsdxCDListItemDelegate.h"

#include "app/tsound.h"
#include "ui/FitText.h"
#include "ui/FormatLength.h"
#include "ui/RowColours.h"
#include "ui/TsdxCDListItem.h"
#include "ui/TsdxList.h"
#include "ui/TsdxListModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr int TimeBlockWidth = 120;
const QColor NumberColor(0xC0, 0xC0, 0xC0);
const QColor MarkedButtonColor(0x00, 0xFF, 0x00);
const QColor UnmarkedButtonColor(0x30, 0x30, 0x30);

QFont SizedFont(const QFont& base, int points, bool bold) {
    QFont font(base);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// Draws `text` with its top left corner at (x, y).
void DrawAt(QPainter& painter, const QFont& font, int x, int y, const QString& text) {
    painter.setFont(font);
    painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), text);
}

QString Fit(const QString& text, const QFont& font, int width, int margin = 24) {
    const QFontMetrics metrics(font);
    return FitText(text, width,
                   [&metrics](const QString& candidate) { return metrics.horizontalAdvance(candidate); },
                   margin);
}
} // namespace

struct TsdxCDListItemDelegate::Row {
    TsdxListItem& item;
    const tsound& sound;
    int index;
    int width;
    int height;
    bool selected;
    bool expanded;
    int column;
    const tListLayout& layout;
    QFont font;
};

TsdxCDListItemDelegate::TsdxCDListItemDelegate(TsdxListModel* model, const TsdxList* list,
                                               QObject* parent)
    : QAbstractItemDelegate(parent), model_(model), list_(list), cdPicture_(MakeCdPicture()) {}

void TsdxCDListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    TsdxListItem& item = model_->Item(index.row());
    const Row row{item,
                  *item.sound,
                  index.row(),
                  option.rect.width(),
                  option.rect.height(),
                  bool(option.state & QStyle::State_Selected),
                  model_->IsExpanded(index.row()),
                  list_->ShownColumnWidth(),
                  list_->Layout(),
                  option.font};
    painter->save();
    painter->translate(option.rect.topLeft());
    painter->setClipRect(QRect(0, 0, row.width, row.height));
    if (TsdxCDListItem::IsJobStatus(row.sound.Status))
        PaintJobRow(*painter, row);
    else if (row.sound.Status == ssRenameTag)
        PaintRenameRow(*painter, row);
    else
        PaintNormalRow(*painter, row);
    painter->restore();
}

QSize TsdxCDListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    return QSize(option.rect.width(), model_->IsExpanded(index.row()) ? 63 : 32);
}

void TsdxCDListItemDelegate::PaintNormalRow(QPainter& painter, const Row& row) const {
    const TSoundStatus status = row.sound.Status;
    const TRowColours colours = NormalRowColours(status, row.selected, row.layout);
    const QColor textColor = colours.Text;

    painter.fillRect(0, 0, row.width, row.height, colours.Background);
    painter.fillRect(row.column, 0, TimeBlockWidth, row.height, colours.Details);
    painter.setPen(QColor(row.layout.LineColor));
    painter.drawRect(0, 0, row.width - 1, row.height - 1);

    const QFont description = SizedFont(row.font, row.expanded ? 12 : 8, true);
    painter.setPen(colours.Description);
    DrawAt(painter, description, 20, 0, Fit(row.sound.Description, description, row.column));

    PaintTagSummary(painter, row, textColor);
    const QFont details = SizedFont(row.font, 8, true);
    painter.setPen(textColor);
    if (row.sound.LengthSek > 0)
        DrawAt(painter, details, row.column, 0, FormatLength(row.sound.LengthSek));
    // Said in words too: red alone is lost on a user who does not see it.
    if (status == sserror)
        DrawAt(painter, details, row.column, 16, QStringLiteral("Error"));
    const int nameWidth = row.width - row.column - TimeBlockWidth;
    DrawAt(painter, details, row.column + TimeBlockWidth, 0,
           Fit(row.sound.filename, details, nameWidth));
    if (row.expanded) {
        DrawAt(painter, details, 20, 32, TsdxCDListItem::ExpandedLine(row.sound));
    }
    if (status == ssCdTrack)
        painter.drawPixmap(row.column + 87, -1, cdPicture_);
    PaintMarkButtonAndNumber(painter, row);
}

void TsdxCDListItemDelegate::PaintJobRow(QPainter& painter, const Row& row) const {
    const TSoundStatus status = row.sound.Status;
    const TRowColours colours = JobRowColours(status);
    painter.fillRect(0, 0, row.width, row.height, colours.Background);
    painter.setPen(QColor(row.layout.LineColor));
    painter.drawRect(0, 0, row.width - 1, row.height - 1);

    painter.setPen(colours.Text);
    const QFont description = SizedFont(row.font, 8, true);
    DrawAt(painter, description, 20, 0, Fit(row.sound.Description, description, row.column));
    const QFont state = SizedFont(row.font, TsdxCDListItem::JobStateTextPointSize(status), true);
    DrawAt(painter, state, row.column, 4, TsdxCDListItem::JobStateText(row.sound, row.item.DotCount));
    if (status == ssDone) {
        DrawAt(painter, SizedFont(row.font, 7, true), row.column + 73, 6,
               TsdxCDListItem::DoneFileLine(row.sound));
    }
}

void TsdxCDListItemDelegate::PaintRenameRow(QPainter& painter, const Row& row) const {
    const TRowColours colours = RenameRowColours(row.selected, row.layout);
    painter.fillRect(0, 0, row.width, row.height, colours.Background);
    painter.fillRect(row.column, 0, row.width - row.column, row.height, colours.Details);
    painter.setPen(QColor(row.layout.LineColor));
    painter.drawRect(0, 0, row.width - 1, row.height - 1);

    painter.setPen(Qt::white);
    const QFont description = SizedFont(row.font, row.expanded ? 12 : 9, true);
    DrawAt(painter, description, 20, 0, Fit(row.sound.Description, description, row.column));

    const QFont caption = SizedFont(row.font, 7, true);
    painter.setPen(NumberColor);
    DrawAt(painter, caption, row.column, 2, QStringLiteral("Old:"));
    DrawAt(painter, caption, row.column, 16, QStringLiteral("New:"));

    const QFont names = SizedFont(row.font, 8, true);
    const int namesWidth = row.width - row.column;
    painter.setPen(Qt::white);
    DrawAt(painter, names, row.column + 24, 0, Fit(row.sound.Comment, names, namesWidth));
    DrawAt(painter, names, row.column + 24, 14, Fit(row.sound.filename, names, namesWidth, 0));

    PaintTagSummary(painter, row, Qt::white);
    if (row.expanded && row.sound.ID3.HasTag) {
        QString line = row.sound.ID3.Year;
        if (!row.sound.ID3.Genre.isEmpty())
            line += ' ' + row.sound.ID3.Genre;
        const QFont expandedFont = SizedFont(row.font, 8, false);
        DrawAt(painter, expandedFont, 20, 24, Fit(line, expandedFont, row.column));
    }
    PaintMarkButtonAndNumber(painter, row);
}

void TsdxCDListItemDelegate::PaintMarkButtonAndNumber(QPainter& painter, const Row& row) const {
    painter.setPen(Qt::black);
    painter.setBrush(row.item.Checked ? MarkedButtonColor : UnmarkedButtonColor);
    painter.drawEllipse(QRect(QPoint(2, 3), QPoint(18, 17)));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(NumberColor);
    DrawAt(painter, SizedFont(row.font, 7, false), 5, 20, QString::number(row.index + 1));
}

void TsdxCDListItemDelegate::PaintTagSummary(QPainter& painter, const Row& row,
                                             const QColor& color) const {
    if (!row.sound.ID3.HasTag)
        return;
    const QFont summary = SizedFont(row.font, 8, false);
    painter.setPen(color);
    DrawAt(painter, summary, 20, 16,
           Fit(TsdxCDListItem::TagSummary(row.sound.ID3), summary, row.column));
}

QPixmap TsdxCDListItemDelegate::MakeCdPicture() {
    // A small silver disc with its hole: the sign of a track on the disc in the drive.
    QPixmap picture(26, 26);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(13, 13, 13);
    shine.setColorAt(0, QColor(0xF0, 0xF0, 0xF0));
    shine.setColorAt(0.6, QColor(0xA0, 0xB8, 0xD0));
    shine.setColorAt(1, QColor(0xD8, 0xD8, 0xE8));
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(shine);
    painter.drawEllipse(1, 1, 24, 24);
    painter.setBrush(QColor(0x3B, 0x3B, 0x3B));
    painter.drawEllipse(10, 10, 6, 6);
    return picture;
}
