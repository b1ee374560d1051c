#include "services/TMetadataServices.h"

#include "app/TfMainForm.h"
#include "services/TCdImportLookups.h"
#include "services/TCurlHttpClient.h"
#include "services/TDesktopUrlOpener.h"
#include "services/TDetachedProgramStarter.h"
#include "services/TFreeDB.h"
#include "services/TFreeDbClient.h"
#include "services/THelpMenu.h"
#include "services/TSystemConnectionCheck.h"
#include "services/TWaitingHttpClient.h"
#include "services/TfSFXdb.h"
#include "ui/TCDripperList.h"
#include "ui/TfrOptions.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolButton>

namespace {
QString HostOrDefault(const QLineEdit* edit, const QString& fallback) {
    const QString host = edit->text().trimmed();
    return host.isEmpty() ? fallback : host;
}
} // namespace

TMetadataServices::TMetadataServices(TfMainForm& form)
    : QObject(&form), form_(form),
      http_(std::make_shared<TWaitingHttpClient>(std::make_shared<TCurlHttpClient>())),
      backgroundHttp_(std::make_shared<TCurlHttpClient>()),
      connection_(std::make_unique<TSystemConnectionCheck>()),
      opener_(std::make_unique<TDesktopUrlOpener>()),
      starter_(std::make_unique<TDetachedProgramStarter>()) {
    sfxDb_ = new TfSFXdb(*http_, *connection_, [this] { return SfxDbHost(); },
                         form.ProgramFolder(), form.CDDBversion, &form);

    THelpServices help;
    help.Http = http_.get();
    help.Connection = connection_.get();
    help.Opener = opener_.get();
    help.Starter = starter_.get();
    help.WebHost = [this] { return WebHost(); };
    help.ProgramFolder = form.ProgramFolder();
    help.ExecutableFolder = QCoreApplication::applicationDirPath();
    help.ProgramPath = QCoreApplication::applicationFilePath();
    // The updater takes over: the program ends without writing its settings and histories.
    help.LeaveProgram = [] { QCoreApplication::exit(0); };
    auto* helpButton = form.findChild<QToolButton*>("btnHelp");
    helpMenu_ = new THelpMenu(help, helpButton);
    helpButton->setMenu(helpMenu_);

    lookups_ = new TCdImportLookups(*form.frCdimport(), form.Sounds(), *sfxDb_, [this] {
        return std::make_unique<TFreeDB>(*http_, *connection_, FreeDbHost(), &form_);
    }, this);
    auto repaint = [this] {
        form_.SoundList()->InvalidateAll();
        form_.ScheduleListRefresh();
    };
    lookups_->AfterFreeDb = [repaint](bool) { repaint(); };
    lookups_->AfterDatabaseFill = repaint;
}

TMetadataServices::~TMetadataServices() {
    // Both refer to the HTTP client and the connection check, which go with this object.
    delete helpMenu_;
    delete sfxDb_;
    // A report still on its way ends by the client's time-out at the latest, when
    // backgroundSends_ joins it.
}

void TMetadataServices::SendInBackground(const THttpRequest& request,
                                         std::function<void(const TResult&)> done) {
    // The thread is joined before this object goes, and a queued call to an object that is gone
    // by the time it would run is dropped.
    backgroundSends_.Run([this, http = backgroundHttp_, request, done = std::move(done)] {
        const TResult outcome = http->Send(request).Outcome;
        QMetaObject::invokeMethod(
            this, [outcome, done] { if (done) done(outcome); }, Qt::QueuedConnection);
    });
}

QString TMetadataServices::FreeDbHost() const {
    return HostOrDefault(form_.frOptions()->editFreeDbHost, TFreeDbClient::DefaultHost);
}

QString TMetadataServices::SfxDbHost() const {
    return form_.frOptions()->editSFXdbHost->text().trimmed();
}

QString TMetadataServices::WebHost() const {
    return HostOrDefault(form_.frOptions()->editWebHost, TfrOptions::DefaultWebHost);
}
