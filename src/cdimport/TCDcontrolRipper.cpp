#include "cdimport/TCDcontrolRipper.h"

#include "cdimport/TCDcontrol.h"

TResult TCDcontrolRipper::RipTrack(const QString& fileName, int track) {
    return cd_.RipTrack(fileName, track);
}

void TCDcontrolRipper::CancelRip() { cd_.CancelRip(); }

void TCDcontrolRipper::SetOnRipDone(TNotification notification) {
    cd_.OnRipDone = std::move(notification);
}

QString TCDcontrolRipper::RipError() const { return cd_.RipError(); }

QString TCDcontrolRipper::RipReport() const { return cd_.RipReport(); }

bool TCDcontrolRipper::IsDataTrack(int track) const { return cd_.IsDataTrack(track); }
