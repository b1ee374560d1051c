#include "app/SoundTypes.h"

namespace {
struct FormatNames {
    TAudioFormat format;
    const char* text;
    const char* extension;
};

constexpr FormatNames formatNames[] = {
    {sfwav, "wav", ".wav"},  {sfmp3, "mp3", ".mp3"},   {sfFLAC, "flac", ".flac"},
    {sfwp, "wp", ".wp"},     {sfAIFF, "aiff", ".aif"},
};
} // namespace

QString AudioFormatText(TAudioFormat format) {
    return QString::fromLatin1(formatNames[format].text);
}

QString AudioFormatExtension(TAudioFormat format) {
    return QString::fromLatin1(formatNames[format].extension);
}

bool AudioFormatFromText(const QString& text, TAudioFormat& format) {
    for (const FormatNames& names : formatNames) {
        if (text == QLatin1String(names.text)) {
            format = names.format;
            return true;
        }
    }
    return false;
}
