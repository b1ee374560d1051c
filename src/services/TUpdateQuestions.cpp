#include "services/TUpdateQuestions.h"

#include "app/IUserMessages.h"
#include "services/IProgramStarter.h"
#include "services/IUrlOpener.h"

void TUpdateQuestions::Run(const TUpdateCheck::TOffer& offer) {
    switch (offer.Decision) {
    case TUpdateCheck::Silent:
        break;
    case TUpdateCheck::Failed:
        UserMessages().ShowMessage(offer.Error);
        break;
    case TUpdateCheck::NoConnection:
        UserMessages().ShowMessage(TUpdateCheck::NoInternet);
        break;
    case TUpdateCheck::UpToDate:
        UserMessages().ShowMessage(TUpdateCheck::Latest);
        break;
    case TUpdateCheck::Install:
        Install(offer.Info);
        break;
    case TUpdateCheck::Download:
        Download(offer.Info);
        break;
    }
}

QString TUpdateQuestions::UpdaterPath() const {
#ifdef Q_OS_WIN
    return services_.ExecutableFolder + "/Upmender.exe";
#else
    return services_.ExecutableFolder + "/Upmender";
#endif
}

void TUpdateQuestions::Install(const TUpdateCheck::TUpdateInfo& info) {
    if (!UserMessages().AskOkCancel(TUpdateCheck::InstallQuestion(info)))
        return;
    const QString parameters = TUpdateCheck::ParameterString(info, services_.ProgramPath);
    // Leaving without the updater would lose this session's settings for nothing.
    if (!services_.Starter->Start(UpdaterPath(), parameters)) {
        UserMessages().ShowMessage("The updater could not be started:\n" + UpdaterPath());
        return;
    }
    services_.LeaveProgram();
}

void TUpdateQuestions::Download(const TUpdateCheck::TUpdateInfo& info) {
    if (UserMessages().AskYesNo(TUpdateCheck::DownloadQuestion(info)))
        services_.Opener->Open(QUrl(services_.WebUrl(TUpdateCheck::DownloadPagePath)));
    else
        UserMessages().ShowMessage(TUpdateCheck::Later);
}
