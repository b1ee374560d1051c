#pragma once

#include "app/IUserMessages.h"

// User messages as modal message boxes over the active window.
class TMessageBoxes : public IUserMessages {
public:
    void ShowMessage(const QString& text) override;
    bool AskOkCancel(const QString& text) override;
    bool AskYesNo(const QString& text) override;
};
