#include "services/TCurlHttpClient.h"
#include "services/TUpdateCheck.h"

#include "common/TTestDir.h"
#include "TFakeConnection.h"
#include "TLocalHttpServer.h"

#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

namespace {
TUpdateCheck::TOffer Decide(const QByteArray& file) { return TUpdateCheck::Decide(file); }
} // namespace

TEST(UpdateCheck, TheFileOffersAnUpdateAsItsTokensSay) {
    const TUpdateCheck::TOffer commas = Decide("3,2.2,Auto,x,-silent,@,New,features");
    EXPECT_EQ(commas.Decision, TUpdateCheck::Install);
    EXPECT_EQ(commas.Info.Number, 3);
    EXPECT_EQ(commas.Info.VersionName, "2.2");
    EXPECT_EQ(commas.Info.Arguments, "-silent");
    EXPECT_EQ(commas.Info.Notes, "New features ");

    const TUpdateCheck::TOffer blanks = Decide("3 2.2 Auto x -a -b @ New features\r\n");
    EXPECT_EQ(blanks.Decision, TUpdateCheck::Install);
    EXPECT_EQ(blanks.Info.Arguments, "-a-b");
    EXPECT_EQ(blanks.Info.Notes, "New features ");

    EXPECT_EQ(Decide("3,2.2,Auto,x").Decision, TUpdateCheck::Silent);
    EXPECT_EQ(Decide("").Decision, TUpdateCheck::Silent);
    EXPECT_EQ(Decide("2,2.1,Auto,x,-silent").Decision, TUpdateCheck::UpToDate);
    EXPECT_EQ(Decide("1,2.0,Auto,x,-silent").Decision, TUpdateCheck::UpToDate);
    EXPECT_EQ(Decide("3,2.2,auto,x,-silent,@,Notes").Decision, TUpdateCheck::Download);

    const TUpdateCheck::TOffer noAt = Decide("3,\"Version 2.2\",Manual,x,-a,-b,c");
    EXPECT_EQ(noAt.Decision, TUpdateCheck::Download);
    EXPECT_EQ(noAt.Info.VersionName, "Version 2.2");
    EXPECT_EQ(noAt.Info.Arguments, "-a-bc");
    EXPECT_EQ(noAt.Info.Notes, "");

    const TUpdateCheck::TOffer notANumber = Decide("three,2.2,Auto,x,-s");
    EXPECT_EQ(notANumber.Decision, TUpdateCheck::Failed);
    EXPECT_TRUE(notANumber.Error.contains("three"));
}

TEST(UpdateCheck, QuestionsAndTheUpdatersParameters) {
    const TUpdateCheck::TOffer offer = Decide("3,2.2,Auto,x,-silent,@,New,features");
    EXPECT_EQ(TUpdateCheck::InstallQuestion(offer.Info),
              "There is a new version (2.2) available.\r\nDo you want to download and install it now?");
    EXPECT_EQ(TUpdateCheck::DownloadQuestion(offer.Info),
              "There is a new version (2.2) available.\r\nThis download can not be installed "
              "automatically\r\n\r\nNew features \r\n\r\nDo you want to download the new version now?");
    EXPECT_EQ(TUpdateCheck::ParameterString(offer.Info, "/opt/trackmoth/trackmoth"),
              "Trackmoth -silent \"/opt/trackmoth/trackmoth\" \"2.2\" \"New features \"");
}

TEST(UpdateCheck, EveryCheckWritesItsDateAndAsksTheServer) {
    TLocalHttpServer server;
    QByteArray file = "2,2.1,Auto,x,-silent";
    int status = 200;
    server.Reply = [&](const TLocalHttpServer::TRequest&) {
        return TLocalHttpServer::TAnswer{status, file, "text/plain"};
    };
    TCurlHttpClient http;
    TFakeConnection connection;
    TTestDir dir;
    TUpdateCheck check(http, connection, server.Host(), dir.Path());
    const QDate day(2024, 3, 9);

    EXPECT_EQ(check.Check(day).Decision, TUpdateCheck::UpToDate);
    EXPECT_EQ(server.Targets(), QList<QByteArray>({"/Trackmoth/updates/trackmoth2updatecheck.txt"}));
    QSettings ini(dir.File("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("GLOBAL/lastupdatecheck").toString(),
              QLocale::system().toString(day, QLocale::ShortFormat));
    EXPECT_TRUE(dir.Read("settings.ini").startsWith("[GLOBAL]"));

    status = 500;
    const TUpdateCheck::TOffer failed = check.Check(day);
    EXPECT_EQ(failed.Decision, TUpdateCheck::Failed);
    EXPECT_TRUE(failed.Error.contains("500"));

    QFile::remove(dir.File("settings.ini"));
    connection.Connected = false;
    EXPECT_EQ(check.Check(day).Decision, TUpdateCheck::NoConnection);
    EXPECT_TRUE(QFile::exists(dir.File("settings.ini")));
    EXPECT_EQ(server.Requests().size(), 2);
}
