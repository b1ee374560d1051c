#include "services/TCurlHttpClient.h"
#include "services/TfSFXdb.h"

#include "common/TTestDir.h"
#include "TFakeConnection.h"
#include "TLocalHttpServer.h"
#include "TSfxDbServerProcess.h"

#include <QLabel>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
const QByteArray library = R"(<SFXdb>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Vol 1</CD><ID>11</ID><Lang>English</Lang>
    <TrackNames>Boom
Crash</TrackNames></Record>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Vol 2</CD><ID>12</ID><Lang>German</Lang>
    <TrackNames>Knall</TrackNames></Record>
  <Record><Prod>Blastwave</Prod><Series>Doors</Series><CD>Wood</CD><ID>13</ID><Lang/></Record>
</SFXdb>
)";

QTreeWidgetItem* Find(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}
} // namespace

TEST(TfSFXdb, AClickOnACdInTheTreeTakesIt) {
    TTestDir dir;
    const QString database = dir.File("db.sqlite");
    ASSERT_EQ(TSfxDbServerProcess::Run({"--database", database, "--import", dir.Write("l.xml", library)}), 0);
    TSfxDbServerProcess server(database);
    ASSERT_TRUE(server.Started());
    TCurlHttpClient http;
    TFakeConnection connection;
    int version = 0;
    TfSFXdb dialog(http, connection, [&] { return server.Host(); }, dir.Path(), version);
    EXPECT_EQ(dialog.windowTitle(), "SFX CD Database");

    bool single = true;
    ASSERT_TRUE(dialog.Search("", "", "", single));
    EXPECT_FALSE(single);
    ASSERT_EQ(dialog.tree->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.tree->topLevelItem(0)->text(0), "Blastwave");
    EXPECT_EQ(dialog.tree->topLevelItem(1)->text(0), "Sound Ideas");
    ASSERT_NE(Find(dialog.tree, "Vol 2 (German)"), nullptr);
    EXPECT_FALSE(dialog.lblDbg->isVisibleTo(&dialog));

    dialog.RunModal = [](TfSFXdb& shown) {
        QTreeWidgetItem* series = Find(shown.tree, "Big Bangs");
        shown.tree->setCurrentItem(series);
        shown.treeMouseUp(series); // a series: nothing happens
        EXPECT_TRUE(series->isExpanded());
        QTreeWidgetItem* cd = Find(shown.tree, "Vol 2 (German)");
        shown.tree->setCurrentItem(cd);
        shown.treeMouseUp(cd);
        return shown.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(dialog.Choose());
    EXPECT_EQ(dialog.Client().DbId, 12);
    EXPECT_EQ(dialog.Client().CD, "Vol 2");
    EXPECT_EQ(dialog.Client().Series, "Big Bangs");
    EXPECT_EQ(dialog.Client().Producer, "Sound Ideas");
    EXPECT_EQ(dialog.Client().TrackNames, QStringList({"Knall"}));

    dialog.RunModal = [](TfSFXdb&) { return false; };
    EXPECT_FALSE(dialog.Choose());
}

TEST(TfSFXdb, AFailedSearchShowsItsReasonAtTheBottom) {
    TLocalHttpServer server;
    server.Reply = [](const TLocalHttpServer::TRequest&) {
        return TLocalHttpServer::TAnswer{200, "<Version><Rev>lots</Rev></Version>\n", "text/xml"};
    };
    TCurlHttpClient http;
    TFakeConnection connection;
    TTestDir dir;
    int version = 0;
    TfSFXdb dialog(http, connection, [&] { return server.Host(); }, dir.Path(), version);
    bool single = false;
    EXPECT_FALSE(dialog.Search("P", "", "", single));
    EXPECT_TRUE(dialog.lblDbg->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.lblDbg->text().contains("lots"));
}
