#include "cdimport/TCDcontrolRipper.h"

#include "cdimport/TCDcontrol.h"

void TCDcontrolRipper::RipTrack(const QString& fileName, int track) { cd_.RipTrack(fileName, track); }

void TCDcontrolRipper::CancelRip() { cd_.CancelRip(); }

void TCDcontrolRipper::SetOnRipDone(TNotification notification) {
    cd_.OnRipDone = std::move(notification);
}

QString TCDcontrolRipper::RipError() const { return cd_.RipError(); }
