#pragma once

#include "app/SoundTypes.h"

#include <QString>

class tsound;
struct TmyID3tag;

// The texts a CD list row shows, apart from how they are painted.
class TsdxCDListItem {
public:
    // Ripping, converting, waiting, waiting for conversion and done rows show a job state.
    static bool IsJobStatus(TSoundStatus status);
    // The state text of a job row. A conversion without a known percentage animates: each call
    // gives the next of five "Converting" texts and advances `dotCount`.
    static QString JobStateText(const tsound& sound, quint8& dotCount);
    // Point size of the state text: large for the running steps, small for the rest.
    static int JobStateTextPointSize(TSoundStatus status);
    // Artist (or " - " and the band when there is no artist), then " - " and the album.
    static QString TagSummary(const TmyID3tag& tag);
    // The line of an expanded normal row: year, three blanks, genre; then what the secure rip
    // of the track corrected, when it was ripped.
    static QString ExpandedLine(const tsound& sound);
    // The file line of a done row: "File: " and the path, then the secure rip's corrections.
    static QString DoneFileLine(const tsound& sound);
};
