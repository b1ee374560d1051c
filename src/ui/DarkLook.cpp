#include "ui/DarkLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

QPalette DarkPalette() {
    QPalette palette;
    const QColor window(40, 40, 40);
    const QColor base(23, 23, 23);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(59, 59, 59));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(59, 59, 59));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(90, 110, 140));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // A hint in an empty field is read before anything is typed: not too faint.
    palette.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    const QColor disabled(170, 170, 170);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::PlaceholderText, disabled);
    return palette;
}

void ApplyDarkLook(QApplication& application) {
    application.setStyle(QStyleFactory::create("Fusion"));
    application.setPalette(DarkPalette());
}
