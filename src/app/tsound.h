#pragma once

#include "app/SoundTypes.h"
#include "app/TSoundRef.h"
#include "app/TmyID3tag.h"

#include <QByteArray>
#include <QString>

// One sound: a track of the disc in the drive or an audio file of the chosen folder.
// A plain record; whether it is marked is the list row's state, not a field here. Who owns it
// is written down in TSoundRef.h.
class tsound {
public:
    virtual ~tsound() = default;

    QString filename;           // target or new file name with extension
    QString path;               // full path of the file (existing or to be written); shown form
    QByteArray pathOnDisk;      // the path's bytes when they are no valid UTF-8; see DiskPath.h
    TAudioFormat Format = sfwav;
    qint32 Bits = 0;
    float SR = 0;
    TSoundStatus Status = ssnormal;
    qint32 Ch = 0;
    float LengthSek = 0;        // whole seconds for disc tracks, -1 for a data track
    qint32 CopyCount = 0;       // percent of the running step; <= 0 while converting: unknown
    QString Description;
    QString Comment;            // folder files: the current name; disc tracks: job state text
    QString bwav;               // template of the bext Description
    TmyID3tag ID3;
    QString bWav2;              // template of the bext Originator
    QString bWav3;              // template of the bext OriginatorReference
    QString XMLdata;            // template of the iXML text
    QString RipReport;          // disc tracks: what the secure rip corrected; empty before
};
