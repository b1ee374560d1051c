#pragma once

#include <QFrame>
#include <QList>

class TNameShape;

// A panel of the mask dialog holding tiles in order, laid out left to right and wrapped
// onto further lines when they do not fit.
class TTileArea : public QFrame {
    Q_OBJECT
public:
    explicit TTileArea(QWidget* parent = nullptr);

    const QList<TNameShape*>& Tiles() const { return tiles_; }
    qsizetype IndexOf(TNameShape* tile) const { return tiles_.indexOf(tile); }
    // Takes the tile over at `index` (clamped to the end); it leaves its former panel first.
    void Insert(qsizetype index, TNameShape* tile);
    void Append(TNameShape* tile) { Insert(tiles_.size(), tile); }
    void Remove(TNameShape* tile);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Arrange(width, false); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Places the tiles for `width` and returns the height they need.
    int Arrange(int width, bool move) const;
    void Rearrange();

    QList<TNameShape*> tiles_;
};
