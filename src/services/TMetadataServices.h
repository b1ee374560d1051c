#pragma once

#include "services/THelpMenu.h"
#include "services/TfSFXdb.h"

#include <QObject>
#include <QPointer>

#include "app/TWorkerThreads.h"

#include <functional>
#include <memory>

class IConnectionCheck;
struct THttpRequest;
class TResult;
class IHttpClient;
class IProgramStarter;
class IUrlOpener;
class TCdImportLookups;
class TfMainForm;

// The metadata services of the main window: one HTTP client whose requests never freeze the
// window, the connection check, the SFX CD database dialog for the whole run, the help menu
// under the help button and the lookup buttons of the CD import panel. Hosts are read from the
// options panel at each use.
class TMetadataServices : public QObject {
    Q_OBJECT
public:
    explicit TMetadataServices(TfMainForm& form);
    ~TMetadataServices() override;

    IHttpClient& Http() { return *http_; }
    IConnectionCheck& Connection() { return *connection_; }
    TfSFXdb& SfxDb() { return *sfxDb_; }
    THelpMenu& HelpMenu() { return *helpMenu_; }
    TCdImportLookups& CdImportLookups() { return *lookups_; }
    // Sends `request` on a thread of its own and hands its outcome to `done` on the GUI thread,
    // unless these services are gone by then. For reports nobody waits for.
    void SendInBackground(const THttpRequest& request, std::function<void(const TResult&)> done);

private:
    QString FreeDbHost() const;
    QString SfxDbHost() const;
    QString WebHost() const;

    TfMainForm& form_;
    std::shared_ptr<IHttpClient> http_;
    std::shared_ptr<IHttpClient> backgroundHttp_; // never waits in the GUI thread
    std::unique_ptr<IConnectionCheck> connection_;
    std::unique_ptr<IUrlOpener> opener_;
    std::unique_ptr<IProgramStarter> starter_;
    // Widgets of the window; whichever the window destroys first is gone by then.
    QPointer<TfSFXdb> sfxDb_;
    QPointer<THelpMenu> helpMenu_;
    TCdImportLookups* lookups_ = nullptr;
    TWorkerThreads backgroundSends_; // last: joined before the rest goes; they post back here
};
