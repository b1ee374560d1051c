#include "ui/FormatPlayTime.h"

#include <algorithm>
#include <cmath>

namespace {
QString TwoDigits(qint64 number) { return QString::number(number).rightJustified(2, u'0'); }

// Whole units of `value`, the fraction dropped.
qint64 Truncated(double value) { return qint64(std::trunc(value)); }
} // namespace

QString FormatPlayTime(float seconds) {
    // A hostile or unknown position (NaN, negative, absurdly large) still gives a short text.
    const double s = std::isfinite(seconds) ? std::clamp(double(seconds), 0.0, 1e9) : 0.0;
    const qint64 h = Truncated(s / 3600);
    qint64 m = 0;
    qint64 sec = 0;
    QString text;
    if (h >= 1) {
        m = Truncated(s / 60 - double(h) * 60);
        sec = Truncated(s - double(h * 3600 + m * 60));
        text = TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(sec);
    } else {
        m = Truncated(s / 60);
        sec = Truncated(s - double(m) * 60);
        text = TwoDigits(m) + ":" + TwoDigits(sec);
    }
    if (h < 1 && m < 1 && sec < 1)
        return QString::number(Truncated(s * 1000)) + " ms";
    return text;
}

float PreviewVolume(int position) {
    const float v = position > 0 ? float(std::min(position, 100)) / 100.0f : 0.0f;
    return v * v * v;
}
