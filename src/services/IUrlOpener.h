#pragma once

#include <QUrl>

// Opens a document or a web page the way the desktop does (the system's browser, the PDF
// viewer). A failure is the desktop's to show; the caller goes on.
class IUrlOpener {
public:
    virtual ~IUrlOpener() = default;
    virtual void Open(const QUrl& url) = 0;
};
