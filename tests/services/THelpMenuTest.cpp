#include "services/TCurlHttpClient.h"
#include "services/TDesktopUrlOpener.h"
#include "services/THelpMenu.h"

#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "TFakeConnection.h"
#include "TLocalHttpServer.h"
#include "TRecordingOutside.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QThread>

#include <gtest/gtest.h>

namespace {
struct HelpMenuFixture : ::testing::Test {
    TTestDir dir;
    TLocalHttpServer web;
    QByteArray updateFile = "2,2.1,Auto,x,-silent";
    TCurlHttpClient http;
    TFakeConnection connection;
    TRecordingOpener opener;
    TRecordingStarter starter;
    TRecordingMessages messages;
    int leaves = 0;
    std::unique_ptr<THelpMenu> menu;

    void SetUp() override {
        web.Reply = [this](const TLocalHttpServer::TRequest&) {
            return TLocalHttpServer::TAnswer{200, updateFile, "text/plain"};
        };
        THelpServices services;
        services.Http = &http;
        services.Connection = &connection;
        services.Opener = &opener;
        services.Starter = &starter;
        services.WebHost = [this] { return web.Host(); };
        services.ProgramFolder = dir.MakeFolder("data");
        services.ExecutableFolder = dir.MakeFolder("bin");
        services.ProgramPath = dir.File("bin/trackmoth");
        services.LeaveProgram = [this] { ++leaves; };
        menu = std::make_unique<THelpMenu>(services);
    }
    void Trigger(const QString& caption) {
        QAction* entry = menu->Entry(caption);
        ASSERT_NE(entry, nullptr) << caption.toStdString();
        entry->trigger();
    }
    QString Page(const char* path) const { return "http://" + web.Host() + path; }
};

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions.append(action->text());
    return captions;
}
} // namespace

TEST_F(HelpMenuFixture, HoldsTheEntriesInOrder) {
    EXPECT_EQ(Captions(*menu), QStringList({"PDF manual", "Online", "Check for updates", "About"}));
    const QMenu* online = menu->actions()[1]->menu();
    ASSERT_NE(online, nullptr);
    EXPECT_EQ(Captions(*online), QStringList({"Online help", "Report bugs or suggest new features",
                                              "User forum"}));
}

TEST_F(HelpMenuFixture, OpensTheManualAndThePages) {
    dir.Write("bin/Trackmoth Manual.pdf", "%PDF-1.4");
    Trigger("PDF manual");
    Trigger("Online help");
    Trigger("Report bugs or suggest new features");
    Trigger("User forum");
    ASSERT_EQ(opener.Opened.size(), 4);
    EXPECT_EQ(opener.Opened[0], QUrl::fromLocalFile(dir.File("bin/Trackmoth Manual.pdf")));
    EXPECT_EQ(opener.Opened[1].toString(), Page("/trackmoth/help/webhelp"));
    EXPECT_EQ(opener.Opened[2].toString(), Page("/contact.asp"));
    EXPECT_EQ(opener.Opened[3].toString(), Page("/forum"));
}

TEST_F(HelpMenuFixture, AnInstalledProgramOpensTheManualOfItsSharedDataFolder) {
    dir.Write("share/trackmoth/Trackmoth Manual.pdf", "%PDF-1.4");
    Trigger("PDF manual");
    dir.Write("bin/Trackmoth Manual.pdf", "%PDF-1.4"); // one beside the program comes first
    Trigger("PDF manual");
    ASSERT_EQ(opener.Opened.size(), 2);
    EXPECT_EQ(opener.Opened[0], QUrl::fromLocalFile(dir.File("share/trackmoth/Trackmoth Manual.pdf")));
    EXPECT_EQ(opener.Opened[1], QUrl::fromLocalFile(dir.File("bin/Trackmoth Manual.pdf")));
}

TEST_F(HelpMenuFixture, ManualThatCannotBeOpenedSaysWhereItIs) {
    Trigger("PDF manual");
    EXPECT_TRUE(opener.Opened.isEmpty());
    EXPECT_EQ(messages.Messages, QStringList({"The manual was not found. It belongs here:\n" +
                                              dir.File("bin/Trackmoth Manual.pdf")}));
    messages.Messages.clear();
    dir.Write("bin/Trackmoth Manual.pdf", "%PDF-1.4");
    opener.Fails = true; // no xdg-open, or no PDF viewer behind it
    Trigger("PDF manual");
    EXPECT_EQ(messages.Messages,
              QStringList({"No program on this computer could open the PDF manual. You find it here:\n" +
                           dir.File("bin/Trackmoth Manual.pdf")}));
}

TEST_F(HelpMenuFixture, AboutShowsTheBoxOnceItIsSet) {
    Trigger("About"); // nothing is set: nothing happens
    int shown = 0;
    menu->ShowAbout = [&] { ++shown; };
    Trigger("About");
    EXPECT_EQ(shown, 1);
}

TEST_F(HelpMenuFixture, AnUpdateTheUpdaterCanInstallHandsOver) {
    updateFile = "3,2.2,Auto,x,-silent,@,New,features";
    Trigger("Check for updates");
    EXPECT_EQ(messages.Questions, QStringList({"There is a new version (2.2) available.\r\n"
                                               "Do you want to download and install it now?"}));
    ASSERT_EQ(starter.Started.size(), 1);
    EXPECT_EQ(starter.Started[0].first, dir.File("bin/Upmender"));
    EXPECT_EQ(starter.Started[0].second, "Trackmoth -silent \"" + dir.File("bin/trackmoth") +
                                             "\" \"2.2\" \"New features \"");
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(web.Targets(), QList<QByteArray>({"/Trackmoth/updates/trackmoth2updatecheck.txt"}));
    EXPECT_TRUE(QFile::exists(dir.File("data/settings.ini")));
}

TEST_F(HelpMenuFixture, AnUpdaterThatDoesNotStartKeepsTheProgram) {
    updateFile = "3,2.2,Auto,x,-silent";
    starter.Succeeds = false;
    Trigger("Check for updates");
    EXPECT_EQ(leaves, 0);
    ASSERT_EQ(messages.Messages.size(), 1);
    EXPECT_TRUE(messages.Messages[0].contains("Upmender"));
    messages.Answer = false; // Cancel: nothing is started
    starter.Started.clear();
    Trigger("Check for updates");
    EXPECT_TRUE(starter.Started.isEmpty());
}

TEST_F(HelpMenuFixture, AManualDownloadOpensThePageOrSaysHowToComeBack) {
    updateFile = "3,2.2,auto,x,-silent,@,Fixes";
    Trigger("Check for updates");
    ASSERT_EQ(opener.Opened.size(), 1);
    EXPECT_EQ(opener.Opened[0].toString(), Page("/Trackmoth/updates/manualdownload.htm"));
    messages.Answer = false;
    Trigger("Check for updates");
    EXPECT_EQ(messages.Messages, QStringList({"If you want to update later, go to the help menu "
                                              "and click Check for updates"}));
    EXPECT_TRUE(messages.Questions[0].contains("\r\n\r\nFixes \r\n\r\n"));
    EXPECT_TRUE(starter.Started.isEmpty());
}

TEST_F(HelpMenuFixture, TheCheckSaysWhatItFound) {
    Trigger("Check for updates");
    updateFile = "3,2.2,Auto,x";
    Trigger("Check for updates");
    updateFile = "x3,2.2,Auto,x,y";
    Trigger("Check for updates");
    connection.Connected = false;
    Trigger("Check for updates");
    ASSERT_EQ(messages.Messages.size(), 3);
    EXPECT_EQ(messages.Messages[0], "You have the latest version of Trackmoth");
    EXPECT_TRUE(messages.Messages[1].contains("x3"));
    EXPECT_EQ(messages.Messages[2], "No internet, cant check for updates");
    EXPECT_TRUE(messages.Questions.isEmpty());
}

TEST(TDesktopUrlOpener, TellsWhenTheDesktopCouldNotOpenIt) {
    TTestDir dir;
    const QByteArray oldPath = qgetenv("PATH");
    const struct {
        const char* Name;
        QByteArray Script; // the desktop's opener; empty: there is none
        bool Fails;
    } cases[] = {
        {"opened", "#!/bin/sh\nexit 0\n", false},
        {"no viewer for the kind of file", "#!/bin/sh\nexit 3\n", true},
        {"no xdg-open at all", "", true},
    };
    for (const auto& c : cases) {
        const QString bin = dir.MakeFolder(QString("bin-") + QString::number(qHash(QByteArray(c.Name))));
        if (!c.Script.isEmpty()) {
            QFile script(bin + "/xdg-open");
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(c.Script);
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.toLocal8Bit());
        TDesktopUrlOpener opener;
        int failures = 0;
        opener.Open(QUrl::fromLocalFile(dir.Write("manual.pdf", "%PDF-1.4")), [&] { ++failures; });
        QElapsedTimer clock;
        clock.start();
        // Long enough for a script to run and end; a failure comes from the event loop.
        while (clock.elapsed() < 2000 && failures == 0) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
            if (!c.Fails && clock.elapsed() > 700)
                break;
        }
        qputenv("PATH", oldPath);
        EXPECT_EQ(failures, c.Fails ? 1 : 0) << c.Name;
    }
}
