#pragma once

#include "services/IUrlOpener.h"

// Opens URLs through the desktop's "xdg-open", whose exit status tells whether anything could
// open them.
class TDesktopUrlOpener : public IUrlOpener {
public:
    using IUrlOpener::Open;
    void Open(const QUrl& url, std::function<void()> failed) override;
};
