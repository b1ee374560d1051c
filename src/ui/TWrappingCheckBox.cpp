#include "ui/TWrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>

TWrappingCheckBox::TWrappingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int TWrappingCheckBox::CaptionIndent() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this) + 2;
}

QStringList TWrappingCheckBox::LinesFor(int boxWidth) const {
    const QString caption = text();
    const int lineWidth = std::max(1, boxWidth - CaptionIndent());
    QTextLayout layout(caption, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        QString part = caption.mid(line.textStart(), line.textLength());
        while (part.endsWith(u' ') && part.size() > 1)
            part.chop(1);
        lines.append(part);
    }
    layout.endLayout();
    return lines;
}

QSize TWrappingCheckBox::sizeHint() const {
    const QSize oneLine = QCheckBox::sizeHint();
    return QSize(oneLine.width(), heightForWidth(oneLine.width()));
}

QSize TWrappingCheckBox::minimumSizeHint() const {
    int widestWord = 0;
    for (const QString& word : text().split(u' ', Qt::SkipEmptyParts))
        widestWord = std::max(widestWord, fontMetrics().horizontalAdvance(word));
    return QSize(CaptionIndent() + widestWord, QCheckBox::minimumSizeHint().height());
}

int TWrappingCheckBox::heightForWidth(int width) const {
    const int oneLine = QCheckBox::sizeHint().height();
    const int lines = int(LinesFor(width).size());
    return oneLine + std::max(0, lines - 1) * fontMetrics().lineSpacing();
}

void TWrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = LinesFor(width()).join(u'\n');
    painter.drawControl(QStyle::CE_CheckBox, option);
}

bool TWrappingCheckBox::hitButton(const QPoint& position) const { return rect().contains(position); }
