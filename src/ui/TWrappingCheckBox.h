#pragma once

#include <QCheckBox>
#include <QStringList>

// A check box whose caption wraps at word boundaries when its column is narrower than the
// caption, instead of being cut off; text() stays the caption as given. The whole box, all
// lines included, toggles on a click.
class TWrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TWrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    // The caption's lines at the box's present width.
    QStringList ShownLines() const { return LinesFor(width()); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;

private:
    // Pixels left of the caption: the indicator and its spacing.
    int CaptionIndent() const;
    QStringList LinesFor(int boxWidth) const;
};
