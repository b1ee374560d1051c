#pragma once

#include <QString>

class TSoundList;

// The disc fields of the import panel's SFX tab.
struct TSfxDiscFields {
    QString Series;
    QString CD;
    QString Publisher;
    bool Broadcast = false; // "Broadcast-tag"
};

// The disc fields of the import panel's Music tab.
struct TMusicDiscFields {
    QString Artist;
    QString Album;
    QString Genre;
    QString Year;
    QString Disc;
    bool Broadcast = false; // "Broadcast-tag (Only title)"
};

// Copies the SFX fields into every sound's tags: title and comment from its description,
// artist = series, album = CD, publisher. With "Broadcast-tag" the empty bext templates get
// their defaults; without it the bext description is emptied.
void ApplySfxFields(TSoundList& sounds, const TSfxDiscFields& fields);
// Copies the Music fields into every sound's tags (both genre texts from the one field).
void ApplyMusicFields(TSoundList& sounds, const TMusicDiscFields& fields);
