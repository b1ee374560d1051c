#include "services/TUpdateCheck.h"

#include "services/IConnectionCheck.h"
#include "services/IHttpClient.h"
#include "services/TCommaText.h"

#include <QLocale>
#include <QSettings>

namespace {
const char* const lineBreak = "\r\n";
} // namespace

TUpdateCheck::TUpdateCheck(IHttpClient& http, IConnectionCheck& connection, QString host,
                           QString programFolder)
    : http_(http), connection_(connection), host_(std::move(host)),
      programFolder_(std::move(programFolder)) {}

void TUpdateCheck::WriteLastCheck(const QString& programFolder, const QDate& day) {
    QSettings ini(programFolder + "/settings.ini", QSettings::IniFormat);
    ini.setValue("GLOBAL/lastupdatecheck", QLocale::system().toString(day, QLocale::ShortFormat));
    ini.sync();
}

TUpdateCheck::TOffer TUpdateCheck::Check(const QDate& today) {
    WriteLastCheck(programFolder_, today);
    TOffer offer;
    if (!connection_.IsInternetConnected(host_)) {
        offer.Decision = NoConnection;
        return offer;
    }
    const THttpReply reply = http_.Get("http://" + host_.trimmed().toUtf8() + FilePath);
    if (!reply.Outcome) {
        offer.Decision = Failed;
        offer.Error = reply.Outcome.ErrorText();
        return offer;
    }
    return Decide(reply.Body);
}

TUpdateCheck::TOffer TUpdateCheck::Decide(const QByteArray& file) {
    TOffer offer;
    const QList<QByteArray> tokens = TCommaText::Split(file);
    if (tokens.size() < 5)
        return offer;
    bool ok = false;
    offer.Info.Number = tokens[0].trimmed().toInt(&ok);
    if (!ok) {
        offer.Decision = Failed;
        offer.Error = QString("\"%1\" is not a valid update number").arg(QString::fromUtf8(tokens[0]));
        return offer;
    }
    offer.Info.VersionName = QString::fromUtf8(tokens[1]);
    offer.Info.Auto = tokens[2] == "Auto";
    qsizetype i = 4;
    for (; i < tokens.size() && tokens[i] != "@"; ++i)
        offer.Info.Arguments += QString::fromUtf8(tokens[i]);
    for (++i; i < tokens.size(); ++i)
        offer.Info.Notes += QString::fromUtf8(tokens[i]) + " ";
    if (offer.Info.Number <= OwnUpdateNumber)
        offer.Decision = UpToDate;
    else
        offer.Decision = offer.Info.Auto ? Install : Download;
    return offer;
}

QString TUpdateCheck::InstallQuestion(const TUpdateInfo& info) {
    return "There is a new version (" + info.VersionName + ") available." + lineBreak +
           "Do you want to download and install it now?";
}

QString TUpdateCheck::DownloadQuestion(const TUpdateInfo& info) {
    return "There is a new version (" + info.VersionName + ") available." + lineBreak +
           "This download can not be installed automatically" + lineBreak + lineBreak +
           info.Notes + lineBreak + lineBreak + "Do you want to download the new version now?";
}

QString TUpdateCheck::ParameterString(const TUpdateInfo& info, const QString& programPath) {
    return "Trackmoth " + info.Arguments + " \"" + programPath + "\" \"" + info.VersionName +
           "\" \"" + info.Notes + "\"";
}
