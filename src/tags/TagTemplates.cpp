#include "tags/TagTemplates.h"

#include "app/tsound.h"

#include <algorithm>
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
    const auto placeholders = Placeholders(sound);
    QString expanded;
    expanded.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const QStringView rest = QStringView(text).sliced(at);
        const auto found = rest.startsWith(u'%')
                               ? std::find_if(placeholders.begin(), placeholders.end(),
                                              [&](const auto& entry) { return rest.startsWith(entry.first); })
                               : placeholders.end();
        if (found == placeholders.end()) {
            expanded += text[at++];
            continue;
        }
        expanded += values == TTemplateValues::XmlEscaped
                        ? EscapeXmlText(DecodeBasicEntities(found->second))
                        : found->second;
        at += found->first.size();
    }
    return expanded;
}

void MakeDefaultIxml(tsound& sound) {
    if (sound.XMLdata.isEmpty())
        sound.XMLdata = QStringLiteral("<BWFXML><NOTE>%SoundDescription;</NOTE></BWFXML>");
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
