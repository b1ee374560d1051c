#include "cdimport/TOutputFormat.h"

#include <QLocale>

QString OutputFormatText(const TOutputFormat& format) {
    if (format.AudioFormat == sfmp3)
        return QString("Mp3 %1kbit/s").arg(format.BitRate);
    return QString("Wav %1Bit, %2Khz")
        .arg(format.BitDepth)
        .arg(QLocale().toString(format.SampleRate / 1000.0, 'f', 3));
}
