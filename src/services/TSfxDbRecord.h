#pragma once

#include <QString>
#include <QStringList>

// One CD record of the SFX CD database document. The producer and the series are found by
// name; the CD title, the id and the language are the three elements after "Series", read by
// position. The child "CD" and the element after it are kept as well: a one-record answer is
// read by them.
struct TSfxDbRecord {
    QString Producer;       // "Prod"
    QString Series;         // "Series"
    QString Title;          // the element after "Series"
    QString IdText;         // the one after that
    QString Language;       // and the one after that
    bool HasSeries = false;
    bool HasCD = false;
    QString CD;             // "CD"
    QString IdAfterCD;      // the element after "CD"
};

// The answer for one database id: who made it, what it is called and its track names.
struct TSfxDbTracks {
    bool HasRoot = false;
    bool HasProducer = false;
    bool HasSeries = false;
    bool HasCD = false;
    QString Producer;
    QString Series;
    QString CD;
    QStringList TrackNames;
};
