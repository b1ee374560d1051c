#pragma once

#include <QString>

#include <functional>

// Shortens `text` for a column `availableWidth` pixels wide: while its width (as measured by
// `widthOf`) plus `margin` exceeds the column and it is longer than 5 characters, its last five
// characters give way to "...". Each step removes two characters net, so long texts end short.
QString FitText(const QString& text, int availableWidth,
                const std::function<int(const QString&)>& widthOf, int margin = 24);
