#pragma once

#include <QUrl>

#include <functional>

// Opens a document or a web page the way the desktop does (the system's browser, the PDF
// viewer). The caller goes on at once; when nothing could open it (no desktop opener, no viewer
// for the kind of file), `failed` runs later on the caller's thread, for the caller to tell.
class IUrlOpener {
public:
    virtual ~IUrlOpener() = default;
    virtual void Open(const QUrl& url, std::function<void()> failed) = 0;
    void Open(const QUrl& url) { Open(url, {}); }
};
