#include "naming/NameBuilders.h"

#include "app/EAppError.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/FixDuplicates.h"
#include "naming/MakeGoodString.h"

#include <functional>

namespace {
// What differs between the two builders.
struct TBuilderRules {
    int shortLength;
    std::function<QString(int track, const QString& trackText)> formatTrack;
};

int TrackNumber(const QString& trackText) {
    bool ok = false;
    const int track = trackText.toInt(&ok, 10);
    if (!ok)
        throw EAppError(QStringLiteral("'%1' is not a valid integer value").arg(trackText));
    return track;
}

QString DiscText(const QString& disc) {
    if (disc.isEmpty())
        return QString();
    return QStringLiteral("Disc ") + disc.section(u'/', 0, 0);
}

// The replacements run one after another on the whole name, so a token inside a value
// inserted earlier is replaced by a later step; that order is part of the naming rules.
QString NameFromMask(const tsound& sound, const QString& mask, const QString& customText,
                     const TBuilderRules& rules) {
    const TmyID3tag& id3 = sound.ID3;
    const int track = TrackNumber(id3.Track);
    QString n = mask;
    // Once no "%" is left no token can follow; most names get there after a step or two.
    auto replace = [&n](QStringView token, const QString& value) {
        if (n.contains(u'%'))
            n.replace(token.data(), token.size(), value.constData(), value.size());
    };
    replace(u"%FDes;", sound.Description);
    replace(u"%SDes;", sound.Description.left(rules.shortLength));
    replace(u"%Art;", id3.Artist);
    replace(u"%Alb;", id3.Album);
    replace(u"%Tit;", sound.Description);
    if (n.contains(u"%Trc;"))
        replace(u"%Trc;", rules.formatTrack(track, id3.Track));
    replace(u"%Cst;", customText);
    replace(u"%Ser;", id3.Artist);
    replace(u"%CD;", id3.Album);
    replace(u"%Yea;", id3.Year);
    replace(u"%Prod;", id3.Publisher);
    replace(u"%Label;", id3.Publisher);
    replace(u"%Disc;", DiscText(id3.Disc));
    n = MakeGoodString(n);
    if (n.startsWith(QLatin1String("- ")))
        n.remove(0, 2);
    return n;
}

void BuildNames(TSoundList& sounds, const TFileNameOptions& naming, const TBuilderRules& rules,
                const std::function<TAudioFormat(const tsound&)>& formatOf) {
    // All names are built before any is set: a track number that stops the build must not
    // leave earlier sounds with half-made names (no number, no extension) that a later
    // rename batch would give to their files.
    QStringList names;
    names.reserve(sounds.Count());
    for (const tsound* sound : sounds)
        names.append(NameFromMask(*sound, naming.Mask, naming.CustomText, rules));
    FixDuplicates(names);
    for (int i = 0; i < sounds.Count(); ++i) {
        tsound* sound = sounds.Items(i);
        sound->filename = names[i] + AudioFormatExtension(formatOf(*sound));
    }
}

const char* RenamePadding(int soundCount) {
    if (soundCount >= 1000)
        return "%.4d";
    if (soundCount >= 100)
        return "%.3d";
    return "%.2d";
}
} // namespace

void BuildImportNames(TSoundList& sounds, const TFileNameOptions& naming, int shortCount,
                      TAudioFormat outputFormat) {
    const TBuilderRules rules{shortCount, [](int track, const QString& trackText) {
                                  return track > 9 ? trackText
                                                   : QStringLiteral("0") + QString::number(track);
                              }};
    BuildNames(sounds, naming, rules, [outputFormat](const tsound&) { return outputFormat; });
}

void BuildRenameNames(TSoundList& sounds, const TFileNameOptions& naming, bool renameFiles) {
    if (!renameFiles) {
        for (tsound* sound : sounds)
            sound->filename = sound->Comment;
        return;
    }
    const char* padding = RenamePadding(sounds.Count());
    const TBuilderRules rules{25, [padding](int track, const QString&) {
                                  return QString::asprintf(padding, track);
                              }};
    BuildNames(sounds, naming, rules, [](const tsound& sound) { return sound.Format; });
}
