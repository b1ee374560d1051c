#include "services/TCurlHttpClient.h"
#include "services/TFreeDB.h"

#include "common/TRecordingMessages.h"
#include "TCddbServer.h"
#include "TFakeConnection.h"

#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {
const QString discId = "7a0b3c0d 3 150 20000 40000 2000";

struct FreeDbDialogFixture : ::testing::Test {
    TCddbServer server;
    TCurlHttpClient http;
    TFakeConnection connection;
    TRecordingMessages messages;
    TFreeDB dialog{http, connection, server.Host()};
};
} // namespace

TEST_F(FreeDbDialogFixture, ThePickerShowsEveryMatchAndReadsTheChosenOne) {
    server.QueryAnswer = "211 close matches found\r\n"
                         "rock 7a0b3c0d Some Artist / Some Album\r\n"
                         "jazz 7a0b3c0e Other Artist / Other Album\r\n.\r\n";
    server.ReadAnswers["jazz 7a0b3c0e"] =
        TCddbServer::Entry("jazz", "7a0b3c0e", "DTITLE=Other Artist / Other Album\r\nTTITLE0=x\r\n");
    int shown = 0;
    dialog.RunModal = [&](TFreeDB& picker) {
        ++shown;
        EXPECT_EQ(picker.windowTitle(), "Found duplicates in freedb, please select one");
        EXPECT_EQ(picker.NewDarkButton1->text(), "Select");
        EXPECT_FALSE(picker.DuplicateList->isVisibleTo(&picker));
        EXPECT_EQ(picker.DuplicateList->count(), 2);
        EXPECT_EQ(picker.DuplicateList->item(1)->text(), "jazz 7a0b3c0e Other Artist / Other Album");
        const QTreeWidgetItem* header = picker.lv->headerItem();
        EXPECT_EQ(header->text(0), "Artist / Album");
        EXPECT_EQ(header->text(1), "Genre");
        EXPECT_EQ(header->text(2), "CDid");
        EXPECT_EQ(picker.lv->columnWidth(0), 252);
        const QTreeWidgetItem* row = picker.lv->topLevelItem(0);
        EXPECT_EQ(row->text(0), "Some Artist / Some Album");
        EXPECT_EQ(row->text(1), "rock");
        EXPECT_EQ(row->text(2), "7a0b3c0d");
        picker.lv->setCurrentItem(picker.lv->topLevelItem(1));
        picker.NewDarkButton1->click();
        return picker.result() == QDialog::Accepted;
    };
    const TFreeDbClient::TLookup lookup = dialog.QueryDisc(discId);
    EXPECT_EQ(shown, 1);
    ASSERT_TRUE(lookup.Read);
    EXPECT_EQ(lookup.Entry.Artist, "Other Artist");
    EXPECT_EQ(lookup.Entry.Titles, QStringList({"x"}));
    EXPECT_TRUE(messages.Messages.isEmpty());
}

TEST_F(FreeDbDialogFixture, CancelReadsNothingAndMessagesAreShown) {
    server.QueryAnswer = "210 exact\r\nrock 7a0b3c0d A / B\r\n.\r\n";
    dialog.RunModal = [](TFreeDB&) { return false; };
    EXPECT_FALSE(dialog.QueryDisc(discId).Read);
    EXPECT_EQ(server.http.Requests().size(), 1);

    server.QueryAnswer = "202 No match\r\n";
    EXPECT_FALSE(dialog.QueryDisc(discId).Read);
    server.QueryAnswer = "200 rock 7a0b3c0d A / B\r\n";
    server.ReadAnswers["rock 7a0b3c0d"] = "211 more than one\r\n";
    EXPECT_FALSE(dialog.QueryDisc(discId).Read);
    EXPECT_EQ(messages.Messages, QStringList({"No results in freedb", "Found more then one CD"}));
}
