#include "ui/FitText.h"

QString FitText(const QString& text, int availableWidth,
                const std::function<int(const QString&)>& widthOf, int margin) {
    QString fitted = text;
    while (fitted.size() > 5 && widthOf(fitted) + margin > availableWidth)
        fitted = fitted.left(fitted.size() - 5) + QStringLiteral("...");
    return fitted;
}
