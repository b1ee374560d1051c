#include "tags/TagTemplates.h"

#include "app/tsound.h"

#include <utility>
#include <vector>

namespace {
// The series of sound-effects libraries lives in the artist field, the CD title in the album
// field and the label in the publisher field, hence the pairs of names for one value.
std::vector<std::pair<QString, QString>> Placeholders(const tsound& sound) {
    const TmyID3tag& id3 = sound.ID3;
    return {
        {QStringLiteral("%SoundDescription;"), sound.Description},
        {QStringLiteral("%Artist;"), id3.Artist},
        {QStringLiteral("%Title;"), id3.Title},
        {QStringLiteral("%Album;"), id3.Album},
        {QStringLiteral("%CD;"), id3.Album},
        {QStringLiteral("%Series;"), id3.Artist},
        {QStringLiteral("%Year;"), id3.Year},
        {QStringLiteral("%TrackNr;"), id3.Track},
        {QStringLiteral("%Disc;"), id3.Disc},
        {QStringLiteral("%Publisher;"), id3.Publisher},
        {QStringLiteral("%Label;"), id3.Publisher},
    };
}
} // namespace

QString ExpandTemplate(const QString& text, const tsound& sound, TTemplateValues values) {
    QString expanded = text;
    for (const auto& [placeholder, value] : Placeholders(sound))
        expanded.replace(placeholder,
                         values == TTemplateValues::XmlEscaped ? EscapeXmlText(value) : value);
    return expanded;
}

void ExpandTemplates(tsound& sound) {
    sound.bwav = ExpandTemplate(sound.bwav, sound);
    sound.bWav2 = ExpandTemplate(sound.bWav2, sound);
    sound.bWav3 = ExpandTemplate(sound.bWav3, sound);
    sound.XMLdata = ExpandTemplate(sound.XMLdata, sound, TTemplateValues::XmlEscaped);
}

void MakeDefaultIxml(tsound& sound) {
    if (!sound.XMLdata.isEmpty())
        return;
    sound.XMLdata = QStringLiteral("<BWFXML><NOTE>") +
                    EscapeXmlText(DecodeBasicEntities(sound.Description)) +
                    QStringLiteral("</NOTE></BWFXML>");
}

QString DecodeBasicEntities(const QString& text) {
    QString decoded = text;
    decoded.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    decoded.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    decoded.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return decoded;
}

QString EscapeXmlText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&amp;")); // first, or it escapes the others
    escaped.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    escaped.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    // Templates may put a value inside an attribute, quoted either way.
    escaped.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    return escaped;
}

QString EditorDefaultIxml() {
    return QStringLiteral("<BWFXML>\n<NOTE>%SoundDescription;</NOTE>\n</BWFXML>");
}
