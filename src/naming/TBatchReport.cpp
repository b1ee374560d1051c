#include "naming/TBatchReport.h"

QString TBatchReport::StatisticsLine() const {
    return QStringLiteral("%1 of %2 sounds processed ok\n%3 errors").arg(Ok).arg(Marked).arg(Errors);
}

QString TUndoReport::StatisticsLine() const {
    return QStringLiteral("%1 of %2 renames undone").arg(Undone).arg(Total);
}
