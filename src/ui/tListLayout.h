#pragma once

#include <QRgb>

// Colours and the column line shared by every row of a sound list.
struct tListLayout {
    QRgb ItemColor = qRgb(0x46, 0x46, 0x46);     // row background
    QRgb LineColor = qRgb(0x64, 0x64, 0x64);     // row border
    QRgb PlayingColor = qRgb(0x53, 0xFF, 0x00);  // row being previewed
    QRgb SelectedColor = qRgb(0x3A, 0x6E, 0xA5); // selected row: plainly apart from the others
    QRgb ErrorColor = qRgb(0xB0, 0x10, 0x30);    // sound with status sserror
    QRgb MarkedColor = qRgb(0x14, 0x80, 0xBA);   // marked row in the plain row painting
    int ColumnWidth = 400; // x of the line between the description and the details

    // The look of the main window's list: darker rows, black borders, a wider description.
    static tListLayout MainWindowLayout() {
        tListLayout layout;
        layout.ItemColor = qRgb(0x3B, 0x3B, 0x3B);
        layout.LineColor = qRgb(0, 0, 0);
        layout.ColumnWidth = 529;
        return layout;
    }
};
