#pragma once

#include "ui/TDarkButton.h"

// The dark push button of the newer windows; it looks and behaves as TDarkButton.
class TNewDarkButton : public TDarkButton {
    Q_OBJECT
public:
    using TDarkButton::TDarkButton;
};
