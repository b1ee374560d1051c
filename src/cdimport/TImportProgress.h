#pragma once

#include <QString>

// Where an import stands, in the numbers the progress bar and the status line show.
struct TImportProgress {
    int Maximum = 0;  // 100 per rip job, 200 when each track is converted too
    int Position = 0; // clamped to 0 .. Maximum
    QString Label;    // "Ripping: n/m"; n runs one past m while the last conversions run

    // What the job handler's counters mean for the bar and the line. `percent` is the
    // running rip's percentage; `convIndex` the position of the running conversion.
    static TImportProgress Compute(int ripJobs, int ripsDone, int convIndex, int percent,
                                   bool converts);
};
