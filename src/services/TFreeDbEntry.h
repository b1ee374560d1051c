#pragma once

#include <QString>
#include <QStringList>

// What one freedb entry says of a disc.
struct TFreeDbEntry {
    QString Artist;
    QString Album;
    QString Genre;
    QString Year;
    QStringList Titles; // title of track 1 first
};

// One line of a multiple-match query answer: "category discid disc title".
struct TFreeDbMatch {
    QByteArray Line;     // the line as received
    QByteArray Category;
    QByteArray DiscId;
    QString Title;       // the rest of the line, blanks kept
};
