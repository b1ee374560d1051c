#include "naming/TTileArea.h"

#include "naming/TNameShape.h"

#include <QResizeEvent>

namespace {
constexpr int gap = 4;
constexpr int preferredWidth = 520;
} // namespace

TTileArea::TTileArea(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TTileArea::Insert(qsizetype index, TNameShape* tile) {
    if (auto* former = qobject_cast<TTileArea*>(tile->parentWidget()))
        former->Remove(tile);
    tiles_.insert(qBound(qsizetype(0), index, tiles_.size()), tile);
    tile->setParent(this);
    tile->show();
    Rearrange();
}

void TTileArea::Remove(TNameShape* tile) {
    if (tiles_.removeOne(tile))
        Rearrange();
}

QSize TTileArea::sizeHint() const { return {preferredWidth, Arrange(preferredWidth, false)}; }


void TTileArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Arrange(event->size().width(), true);
}

int TTileArea::Arrange(int width, bool move) const {
    int x = gap;
    int y = gap;
    int lineHeight = 0;
    for (TNameShape* tile : tiles_) {
        const QSize size = tile->size();
        if (x > gap && x + size.width() + gap > width) {
            x = gap;
            y += lineHeight + gap;
            lineHeight = 0;
        }
        if (move)
            tile->move(x, y);
        x += size.width() + gap;
        lineHeight = qMax(lineHeight, size.height());
    }
    // An empty panel keeps the height of one line, so it stays a visible drop target.
    if (lineHeight == 0)
        lineHeight = fontMetrics().height() + 12;
    return y + lineHeight + gap;
}

void TTileArea::Rearrange() {
    Arrange(width(), true);
    updateGeometry();
}
