#pragma once

#include <QPalette>

class QApplication;

// The program's dark grey look with white text. Every text colour of the palette reaches 4.5:1
// against the background it is shown on, placeholders and disabled texts included.
QPalette DarkPalette();
void ApplyDarkLook(QApplication& application);
