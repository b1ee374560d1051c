#pragma once

#include "cdimport/IRipper.h"

class TCDcontrol;

// Lets the job handler drive the ripper of the real CD drive access.
class TCDcontrolRipper : public IRipper {
public:
    explicit TCDcontrolRipper(TCDcontrol& cd) : cd_(cd) {}

    TResult RipTrack(const QString& fileName, int track) override;
    void CancelRip() override;
    void SetOnRipDone(TNotification notification) override;
    QString RipError() const override;
    QString RipReport() const override;
    bool IsDataTrack(int track) const override;

private:
    TCDcontrol& cd_;
};
