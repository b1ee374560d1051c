#pragma once

#include "app/TResult.h"
#include "services/TSfxDbRecord.h"

#include <QByteArray>
#include <QList>

// Reads the XML answers of the SFX CD database: the revision, the database document (the
// whole database, a search's matches, the cache file) and the tracks of one record. Answers
// are untrusted; what does not parse gives an error, never a guess.
class TSfxDbDocument {
public:
    struct TDatabase {
        bool HasRoot = false; // the text held a document element
        TResult Outcome;      // fails when the text is not XML
        QList<TSfxDbRecord> Records;
    };

    // The revision in the root's child "Rev"; 0 when there is none. Fails on text that is not
    // XML or a "Rev" that is no integer.
    static TResult ParseRevision(const QByteArray& text, int& revision);
    // The records: the element children of the document element, in document order. Empty
    // text has no document element and is no error.
    static TDatabase ParseDatabase(const QByteArray& text);
    // The tracks answer, in UTF-8. Text that is not XML has no root.
    static TSfxDbTracks ParseTracks(const QByteArray& text);
    // An integer as the database writes it: decimal digits with an optional sign, blanks
    // around allowed.
    static bool ParseInteger(const QString& text, int& value);
};
