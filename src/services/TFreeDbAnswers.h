#pragma once

#include "services/TFreeDbEntry.h"

#include <QByteArray>
#include <QList>

// Reads the answers of a freedb server (the CDDB protocol, level 6). The answers are
// untrusted: anything that is not a well-formed answer is reported as such, never guessed at.
class TFreeDbAnswers {
public:
    struct TQuery {
        enum Kind {
            NoResults, // "202"
            Refused,   // "401" or any other "4xx": ends quietly
            Several,   // "210" or "211": the user picks one of Matches
            Single,    // one exact match: read Category and DiscId
            NoResponse // too little to read a match from
        };
        Kind Result = NoResponse;
        QByteArray Category;
        QByteArray DiscId;
        QList<TFreeDbMatch> Matches;
    };
    struct TRead {
        enum Kind {
            Found,        // "210" and an entry: Entry is filled
            NotFound,     // "4xx"
            SeveralFound, // "211"
            NoEntry       // anything else: no usable entry
        };
        Kind Result = NoEntry;
        TFreeDbEntry Entry;
    };

    static constexpr int MaxMatches = 1000;

    static TQuery ParseQuery(const QByteArray& body);
    static TRead ParseRead(const QByteArray& body);
    // The match lines of a "210"/"211" answer: the lines after the status line, up to the "."
    // line, blank lines and lines without a category and a disc id left out.
    static QList<TFreeDbMatch> ParseMatches(const QByteArray& body);
    // A category is one word, a disc id eight hex digits: nothing else goes into a read URL.
    static bool IsCategory(const QByteArray& text);
    static bool IsDiscId(const QByteArray& text);

private:
    static TFreeDbEntry ParseEntry(const QList<QByteArray>& lines);
    static QString Unescape(const QByteArray& value);
};
