#include "services/TCdImportLookups.h"
#include "services/TCurlHttpClient.h"
#include "services/TFreeDB.h"
#include "services/TfSFXdb.h"

#include "app/TSoundList.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"
#include "TCddbServer.h"
#include "TFakeConnection.h"
#include "TSfxDbServerProcess.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>

namespace {
const QByteArray library = R"(<SFXdb>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Vol 1</CD><ID>11</ID><Lang>English</Lang>
    <TrackNames>Boom
Crash
Bang</TrackNames></Record>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Vol 2</CD><ID>12</ID><Lang>English</Lang>
    <TrackNames>One
Two
Three
Four
Five
Six
Seven</TrackNames></Record>
</SFXdb>
)";

struct LookupsFixture : ::testing::Test {
    TTestDir dir;
    std::map<QString, QAction*> actions;
    TfrCdimport panel{[this](const char* name) {
        QAction*& action = actions[name];
        if (!action)
            action = new QAction(name);
        return action;
    }};
    TSoundList sounds;
    TCddbServer freedb;
    QString sfxHost;
    TCurlHttpClient http;
    TFakeConnection connection;
    TRecordingMessages messages;
    int version = 0;
    TfSFXdb sfxDb{http, connection, [this] { return sfxHost; }, dir.Path(), version};
    int pickerShown = 0;
    TCdImportLookups lookups{panel, sounds, sfxDb, [this] {
        auto dialog = std::make_unique<TFreeDB>(http, connection, freedb.Host());
        dialog->RunModal = [this](TFreeDB& picker) {
            ++pickerShown;
            picker.lv->setCurrentItem(picker.lv->topLevelItem(0));
            return true;
        };
        return dialog;
    }};
    QList<bool> afterFreeDb;

    void SetUp() override {
        for (int i = 1; i <= 5; ++i) {
            auto sound = std::make_unique<tsound>();
            sound->Description = QString("Track %1").arg(i);
            sounds.Add(std::move(sound));
        }
        lookups.DiscId = [] { return QString("7a0b3c0d 5 150 1000 2000 3000 4000 200"); };
        lookups.AfterFreeDb = [this](bool music) { afterFreeDb.append(music); };
        panel.editArtist->setText("typed artist");
        panel.editSeries->setText("typed series");
        panel.editAlbum->setText("typed album");
        panel.editYear->setText("1980");
    }
    QStringList Descriptions() const {
        QStringList texts;
        for (const tsound* sound : sounds)
            texts.append(sound->Description);
        return texts;
    }
    ~LookupsFixture() override {
        for (auto& [name, action] : actions)
            delete action;
    }
};
} // namespace

TEST_F(LookupsFixture, FreedbFillsBothTabsAndTheFirstDescriptions) {
    freedb.QueryAnswer = "200 rock 7a0b3c0d Some Artist / Some Album\r\n";
    freedb.ReadAnswers["rock 7a0b3c0d"] = TCddbServer::Entry(
        "rock", "7a0b3c0d", "DTITLE=Some Artist / Some Album\r\nDYEAR=1999\r\nDGENRE=Rock\r\n"
                            "TTITLE0=a\r\nTTITLE1=b\r\nTTITLE2=c\r\n");
    panel.btnSFXfreedb->click();
    EXPECT_EQ(panel.editArtist->text(), "Some Artist");
    EXPECT_EQ(panel.editSeries->text(), "Some Artist");
    EXPECT_EQ(panel.editAlbum->text(), "Some Album");
    EXPECT_EQ(panel.editCD->text(), "Some Album");
    EXPECT_EQ(panel.editGenre->text(), "Rock");
    EXPECT_EQ(panel.editYear->text(), "1999");
    EXPECT_EQ(Descriptions(), QStringList({"a", "b", "c", "Track 4", "Track 5"}));
    EXPECT_EQ(afterFreeDb, QList<bool>({false}));

    QByteArray seven;
    for (int i = 0; i < 7; ++i)
        seven += "TTITLE" + QByteArray::number(i) + "=t" + QByteArray::number(i + 1) + "\r\n";
    freedb.ReadAnswers["rock 7a0b3c0d"] = TCddbServer::Entry("rock", "7a0b3c0d", seven);
    panel.btnMusicFreeDb->click();
    EXPECT_EQ(Descriptions(), QStringList({"t1", "t2", "t3", "t4", "t5"}));
    EXPECT_EQ(afterFreeDb, QList<bool>({false, true}));
}

TEST_F(LookupsFixture, AFailedFreedbLookupKeepsWhatTheUserTyped) {
    for (const QByteArray answer : {"202 No match\r\n", "403 corrupt\r\n", "garbage"}) {
        freedb.QueryAnswer = answer;
        panel.btnMusicFreeDb->click();
    }
    freedb.QueryAnswer = "200 rock 7a0b3c0d A / B\r\n";
    freedb.ReadAnswers["rock 7a0b3c0d"] = "401 not found\r\n";
    panel.btnMusicFreeDb->click();
    connection.Connected = false;
    panel.btnMusicFreeDb->click();
    EXPECT_EQ(panel.editArtist->text(), "typed artist");
    EXPECT_EQ(panel.editSeries->text(), "typed series");
    EXPECT_EQ(panel.editAlbum->text(), "typed album");
    EXPECT_EQ(panel.editYear->text(), "1980");
    EXPECT_EQ(Descriptions()[0], "Track 1");
    EXPECT_EQ(afterFreeDb.size(), 5); // the panel's own step runs every time
    EXPECT_EQ(messages.Messages, QStringList({"No results in freedb", "No response",
                                              "CD not found in freedb"}));
}

TEST_F(LookupsFixture, TheDatabaseButtonSaysWhenNoServerIsSet) {
    panel.btnVOVezAZ->click();
    EXPECT_EQ(messages.Messages, QStringList({TSfxDbClient::NoServerMessage}));
    EXPECT_EQ(panel.editSeries->text(), "typed series");
}

TEST_F(LookupsFixture, TheDatabaseButtonTakesOneMatchAtOnceOrTheChosenOne) {
    const QString database = dir.File("db.sqlite");
    ASSERT_EQ(TSfxDbServerProcess::Run({"--database", database, "--import", dir.Write("l.xml", library)}), 0);
    TSfxDbServerProcess server(database);
    ASSERT_TRUE(server.Started());
    sfxHost = server.Host();
    int filled = 0;
    lookups.AfterDatabaseFill = [&] { ++filled; };

    panel.editSeries->setText("");
    panel.editCD->setText("Vol 1");
    panel.btnVOVezAZ->click();
    EXPECT_EQ(panel.editSeries->text(), "Big Bangs");
    EXPECT_EQ(panel.editPublisher->text(), "Sound Ideas");
    EXPECT_EQ(Descriptions(), QStringList({"Boom", "Crash", "Bang", "Track 4", "Track 5"}));
    EXPECT_EQ(filled, 1);
    EXPECT_FALSE(panel.lblDB->isVisibleTo(&panel));

    sfxDb.RunModal = [](TfSFXdb& shown) {
        QTreeWidgetItem* cd = shown.tree->findItems("Vol 2", Qt::MatchExactly | Qt::MatchRecursive).first();
        shown.tree->setCurrentItem(cd);
        shown.treeMouseUp(cd);
        return shown.result() == QDialog::Accepted;
    };
    panel.editCD->setText("Vol");
    panel.btnVOVezAZ->click();
    EXPECT_EQ(panel.editCD->text(), "Vol 2");
    EXPECT_EQ(Descriptions(), QStringList({"One", "Two", "Three", "Four", "Five"}));

    // Closed without a choice: nothing changes.
    sfxDb.RunModal = [](TfSFXdb&) { return false; };
    panel.editCD->setText("Vol");
    panel.btnVOVezAZ->click();
    EXPECT_EQ(panel.editCD->text(), "Vol");
    EXPECT_EQ(filled, 2);
    EXPECT_TRUE(messages.Messages.isEmpty());
}
