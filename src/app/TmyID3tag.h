#pragma once

#include <QString>

// The ID3 field set of a sound, held by value inside the record.
struct TmyID3tag {
    // Recomputed by the editors when they store a record; never by setting a field.
    bool HasTag = false;
    QString Title;     // TIT2
    QString Subtitle;  // TIT3
    QString Artist;    // TPE1; the SFX series
    QString Band;      // TPE2
    QString Album;     // TALB; the SFX CD title
    QString Composer;  // TCOM
    QString Genre;     // TCON
    QString Track;     // TRCK
    QString Year;      // TDRC, "yyyy"
    QString GenreText; // second genre text, handed to the MP3 encoder
    QString Publisher; // TPUB
    QString Date;      // DDMM; joins the year in TDRC as "yyyy-MM-dd"
    QString Comment;   // COMM
    QString Disc;      // TPOS in MP3 files; may read "1/3"

    // True when any of Title, Subtitle, Genre, Comment holds text.
    bool ComputeHasTag() const {
        return !Title.isEmpty() || !Subtitle.isEmpty() || !Genre.isEmpty() || !Comment.isEmpty();
    }
};
