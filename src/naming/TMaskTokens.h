#pragma once

#include <QString>
#include <QStringList>

#include <span>

// The thirteen tokens of a filename mask, in the order of the mask dialog's pool.
struct TMaskToken {
    const char* caption; // the tile's caption
    const char* token;   // e.g. "%FDes;"
    const char* sample;  // shown in the dialog's example; "%Cst;" shows the custom text
};

class TMaskTokens {
public:
    static std::span<const TMaskToken> All();

    // The tokens of `mask` in mask order, each once: the separator is removed (letter case
    // ignored), the rest split at ";"; pieces that are no token are dropped.
    static QStringList TokensOfMask(const QString& mask, const QString& separator);
    // The tokens joined by the separator (none before the first or after the last).
    static QString JoinTokens(const QStringList& tokens, const QString& separator);
    // The dialog's example: each token replaced by its sample, two backslashes in front and
    // ".wav" behind; deliberately not cleaned up, it shows the arrangement.
    static QString Example(const QString& mask, const QString& customText);
};
