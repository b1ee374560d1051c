#pragma once

#include "services/IUrlOpener.h"

// Opens URLs through QDesktopServices.
class TDesktopUrlOpener : public IUrlOpener {
public:
    void Open(const QUrl& url) override;
};
