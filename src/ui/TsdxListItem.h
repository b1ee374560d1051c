#pragma once

#include "app/SoundTypes.h"
#include "app/TSoundRef.h"

#include <QtGlobal>

// The state of one list row. Kept small: a list holds up to 100,000 of them. Whether the row is
// selected or expanded is kept by the list, since at most a few rows are.
struct TsdxListItem {
    TSoundRef sound; // a share: a row never shows a released record
    bool Checked = false;    // the mark: what "Rip marked" and the companion link take
    quint8 DotCount = 0;     // step of the "Converting" animation, 0 to 4
    quint8 LastStatus = ssnormal; // status when the row was last repainted for progress
    qint32 LastCopyCount = 0;     // percentage when the row was last repainted for progress
};
