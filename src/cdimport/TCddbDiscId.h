#pragma once

#include <QList>
#include <QString>

// The CDDB disc identification string, "discid ntracks offset1 ... offsetN seconds", the key
// under which freedb and the SFX CD database know a disc.
class TCddbDiscId {
public:
    // `trackOffsets`: the start of every track (data tracks included) in frames, counting the
    // 150-frame lead-in; `leadOutOffset` likewise. Empty for no tracks.
    static QString Compute(const QList<int>& trackOffsets, int leadOutOffset);

private:
    static int DigitSum(int number);
};
