#pragma once

#include <QColor>
#include <QScrollArea>

// A flat, dark scroll box whose grey is set by a brightness value.
class TDarkPanel : public QScrollArea {
    Q_OBJECT
public:
    explicit TDarkPanel(QWidget* parent = nullptr);

    int Brightness() const { return brightness_; }
    // The colour becomes the grey whose three channels are (brightness + 40) mod 256.
    void SetBrightness(int brightness);
    QColor Color() const { return color_; }

    static QColor GreyFor(int brightness);

private:
    void ApplyColor(const QColor& color);

    int brightness_ = 0;
    QColor color_;
};
