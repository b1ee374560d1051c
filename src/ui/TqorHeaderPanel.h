#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A titled panel: a head strip with the caption over a body. Without pictures it paints
// the dark head and body itself. Children go below the head (its height is kept free by the
// panel's top margin).
class TqorHeaderPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PaintedHeadHeight = 18; // the head's height without a head picture

    explicit TqorHeaderPanel(const QString& caption = QString(), QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    int CaptionOffet = 6; // x of the caption
    QColor CapColor = Qt::white;
    int CapFontSize = 8;

    void SetLeftBitmap(const QPixmap& picture);
    void SetRightBitmap(const QPixmap& picture);
    void SetHeadBitmap(const QPixmap& picture);
    void SetBodyBitmap(const QPixmap& picture);
    void SetShadowBitmap(const QPixmap& picture);
    int HeadHeight() const;

signals:
    void OnClick();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void KeepHeadFree();

    QString caption_;
    QPixmap left_;
    QPixmap right_;
    QPixmap head_;
    QPixmap body_;
    QPixmap shadow_;
};
