#include "services/TDesktopUrlOpener.h"

#include <QDesktopServices>

void TDesktopUrlOpener::Open(const QUrl& url) { QDesktopServices::openUrl(url); }
