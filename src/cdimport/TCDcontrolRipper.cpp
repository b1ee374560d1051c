#include "cdimport/TCDcontrolRipper.h"

#include "app/EAppError.h"
#include "cdimport/TCDcontrol.h"

void TCDcontrolRipper::RipTrack(const QString& fileName, int track) {
    if (const TResult started = cd_.RipTrack(fileName, track); !started)
        throw EAppError(started.ErrorText());
}

void TCDcontrolRipper::CancelRip() { cd_.CancelRip(); }

void TCDcontrolRipper::SetOnRipDone(TNotification notification) {
    cd_.OnRipDone = std::move(notification);
}

QString TCDcontrolRipper::RipError() const { return cd_.RipError(); }
