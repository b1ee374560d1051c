#include "naming/NameBuilders.h"

#include "app/EAppError.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/FixDuplicates.h"
#include "naming/MakeGoodString.h"
#include "naming/TextCuts.h"

#include <algorithm>
#include <functional>

namespace {
// The longest file name, in bytes, that the common file systems allow (ext4, exFAT, NTFS and
// SMB shares in UTF-8 terms); non-Latin letters take two to four bytes each.
constexpr qsizetype largestFileNameBytes = 255;

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
    if (n.contains(u"%SDes;")) // counting characters costs more than the other values
        replace(u"%SDes;", LeadingCharacters(sound.Description, rules.shortLength));
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

// A name too long for the file system would fail only at the rename or rip: it is cut, at a
// character boundary, so that it fits together with its extension. A cut leaves no trailing
// space before the extension.
QString FittedName(const QString& name, qsizetype maxBytes) {
    QString fitted = LeadingUtf8Bytes(name, maxBytes);
    if (fitted.size() < name.size()) {
        while (fitted.endsWith(u' '))
            fitted.chop(1);
    }
    return fitted;
}

// In bytes; extensions are plain ASCII.
qsizetype LongestExtension(const TSoundList& sounds,
                           const std::function<TAudioFormat(const tsound&)>& formatOf) {
    qsizetype longest = 0;
    for (const tsound* sound : sounds)
        longest = std::max(longest, AudioFormatExtension(formatOf(*sound)).size());
    return longest;
}

void BuildNames(TSoundList& sounds, const TFileNameOptions& naming, const TBuilderRules& rules,
                const std::function<TAudioFormat(const tsound&)>& formatOf) {
    // All names are built before any is set: a track number that stops the build must not
    // leave earlier sounds with half-made names (no number, no extension) that a later
    // rename batch would give to their files.
    const qsizetype maxNameBytes = largestFileNameBytes - LongestExtension(sounds, formatOf);
    QStringList names;
    names.reserve(sounds.Count());
    for (const tsound* sound : sounds)
        names.append(FittedName(NameFromMask(*sound, naming.Mask, naming.CustomText, rules),
                                maxNameBytes));
    FixDuplicates(names, maxNameBytes);
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
