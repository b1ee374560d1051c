#pragma once

#include <QString>
#include <QStringList>

// What one rename and tag batch did: the sounds it handled without a fault, the sounds it was
// asked to process, the sounds that failed and why. Made by the batch, shown by the window.
struct TBatchReport {
    int Ok = 0;
    int Marked = 0;
    int Errors = 0;
    // One line per failed sound: its name on disk, then every reason.
    QStringList Failures;
    // Not empty when the batch did not start: the message that says why.
    QString Refusal;

    // ok + " of " + marked + " sounds processed ok", a line break, errors + " errors".
    QString StatisticsLine() const;
};

// What undoing the last rename batch did.
struct TUndoReport {
    int Undone = 0;
    int Total = 0;
    // One line per rename that could not be undone, and per journal line that was unreadable.
    QStringList Failures;

    QString StatisticsLine() const;
};
