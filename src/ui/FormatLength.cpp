#include "ui/FormatLength.h"

namespace {
QString TwoDigits(int value) {
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}
} // namespace

QString FormatLength(float seconds) {
    const int hours = int(seconds / 3600);
    int minutes = 0;
    int secs = 0;
    if (hours == 0) {
        minutes = int(seconds / 60);
        secs = int(seconds - 60 * minutes);
    } else {
        minutes = int(seconds / 60 - 60 * hours);
        secs = int(seconds - 3600 * hours - 60 * minutes);
    }
    if (hours == 0 && minutes == 0 && secs == 0)
        return QString::number(int(seconds * 1000)) + QStringLiteral(" ms");
    QString text = TwoDigits(minutes) + ':' + TwoDigits(secs);
    return hours == 0 ? text : TwoDigits(hours) + ':' + text;
}
