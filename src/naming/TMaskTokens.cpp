#include "naming/TMaskTokens.h"

namespace {
constexpr TMaskToken tokens[] = {
    {"Full Description", "%FDes;", "Full Description"},
    {"Short Description", "%SDes;", "Short Description"},
    {"Artist", "%Art;", "Artist"},
    {"Album", "%Alb;", "Album"},
    {"Title", "%Tit;", "Title"},
    {"Track number", "%Trc;", "01"},
    {"Custom Text", "%Cst;", nullptr},
    {"SFX Series", "%Ser;", "SFX Series"},
    {"SFX CD", "%CD;", "SFX CD"},
    {"Year", "%Yea;", "Year"},
    {"Disc number", "%Disc;", "Disc 01"},
    {"SFX Producer", "%Prod;", "Producer"},
    {"Label", "%Label;", "Label"},
};

bool IsToken(const QString& text) {
    for (const TMaskToken& t : tokens) {
        if (text == QLatin1String(t.token))
            return true;
    }
    return false;
}
} // namespace

std::span<const TMaskToken> TMaskTokens::All() { return tokens; }

QStringList TMaskTokens::TokensOfMask(const QString& mask, const QString& separator) {
    QString rest = mask;
    if (!separator.isEmpty())
        rest.remove(separator, Qt::CaseInsensitive);
    QStringList found;
    for (const QString& piece : rest.split(u';')) {
        const QString token = piece + u';';
        if (IsToken(token) && !found.contains(token))
            found.append(token);
    }
    return found;
}

QString TMaskTokens::JoinTokens(const QStringList& tokens, const QString& separator) {
    return tokens.join(separator);
}

QString TMaskTokens::Example(const QString& mask, const QString& customText) {
    QString example = mask;
    for (const TMaskToken& t : tokens) {
        const QString sample = t.sample ? QString::fromLatin1(t.sample) : customText;
        example.replace(QLatin1String(t.token), sample);
    }
    // The folder part stands as "/": the names are meant for this system's paths.
    return QStringLiteral("/") + example + QStringLiteral(".wav");
}
