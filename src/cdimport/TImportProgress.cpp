#include "cdimport/TImportProgress.h"

#include <algorithm>

TImportProgress TImportProgress::Compute(int ripJobs, int ripsDone, int convIndex, int percent,
                                         bool converts) {
    TImportProgress progress;
    progress.Maximum = ripJobs * (converts ? 200 : 100);
    const int position = converts ? (ripsDone + convIndex - 1) * 100 + percent
                                  : ripsDone * 100 + percent;
    progress.Position = std::clamp(position, 0, progress.Maximum);
    progress.Label = QString("Ripping: %1/%2").arg(ripsDone + 1).arg(ripJobs);
    return progress;
}
