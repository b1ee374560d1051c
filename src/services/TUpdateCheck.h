#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class IConnectionCheck;
class IHttpClient;

// The update check: reads the update description file of the maker's web server, compares its
// update number with this program's own and says what to offer. Shows nothing itself.
class TUpdateCheck {
public:
    static constexpr int OwnUpdateNumber = 2;
    static constexpr const char* FilePath = "/Trackmoth/updates/trackmoth2updatecheck.txt";
    static constexpr const char* DownloadPagePath = "/Trackmoth/updates/manualdownload.htm";
    static constexpr const char* NoInternet = "No internet, cant check for updates";
    static constexpr const char* Latest = "You have the latest version of Trackmoth";
    static constexpr const char* Later =
        "If you want to update later, go to the help menu and click Check for updates";

    struct TUpdateInfo {
        int Number = 0;
        QString VersionName;
        bool Auto = false;   // the updater can install it
        QString Arguments;   // the updater's arguments, joined without a separator
        QString Notes;       // each note followed by one blank
    };
    enum TDecision {
        Silent,     // too short a file: no message at all
        Failed,     // Error says why (shown as an error)
        NoConnection, // no connection: show NoInternet
        UpToDate,   // show Latest
        Install,    // ask InstallQuestion, then start the updater
        Download    // ask DownloadQuestion, then open the download page
    };
    struct TOffer {
        TDecision Decision = Silent;
        TUpdateInfo Info;
        QString Error;
    };

    TUpdateCheck(IHttpClient& http, IConnectionCheck& connection, QString host,
                 QString programFolder);

    // Writes the date of the check to "settings.ini", then asks the server.
    TOffer Check(const QDate& today);

    // What the content of the update description file offers.
    static TOffer Decide(const QByteArray& file);
    static QString InstallQuestion(const TUpdateInfo& info);
    static QString DownloadQuestion(const TUpdateInfo& info);
    // The updater's parameter string; `programPath` is this program's executable.
    static QString ParameterString(const TUpdateInfo& info, const QString& programPath);
    // "settings.ini" of `programFolder`: section "GLOBAL", key "lastupdatecheck".
    static void WriteLastCheck(const QString& programFolder, const QDate& day);

private:
    IHttpClient& http_;
    IConnectionCheck& connection_;
    QString host_;
    QString programFolder_;
};
