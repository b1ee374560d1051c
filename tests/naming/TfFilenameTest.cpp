#include "naming/TNameShape.h"
#include "naming/TTileArea.h"
#include "naming/TfFilename.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
QStringList CaptionsOf(const TTileArea* area) {
    QStringList captions;
    for (const TNameShape* tile : area->Tiles())
        captions.append(tile->Caption());
    return captions;
}

// Delivers a drop of the tile `token` onto `target`, as the end of a drag does.
void Drop(TfFilename& dialog, const QString& token, QWidget* target) {
    std::unique_ptr<QMimeData> data(TNameShape::MimeDataFor(token));
    ASSERT_NE(dialog.Tile(token), nullptr);
    const QPointF inside(2, 2);
    QDragEnterEvent enter(inside.toPoint(), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(inside, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_TRUE(drop.isAccepted());
}

class TfFilenameTest : public ::testing::Test {
protected:
    TfFilenameTest() {
        TFileNameOptions options;
        options.Mask = "%Trc; - %FDes;";
        dialog.SetOptions(options);
        dialog.show();
    }
    TfFilename dialog;
};

TEST_F(TfFilenameTest, OpensWithTheMaskTilesInTheBuildRow) {
    EXPECT_EQ(CaptionsOf(dialog.BuildRow()), QStringList({"Track number", "Full Description"}));
    EXPECT_EQ(dialog.Pool()->Tiles().size(), 11);
    EXPECT_EQ(CaptionsOf(dialog.Pool()).front(), "Short Description");
    EXPECT_EQ(dialog.lblExample->text(), "/01 - Full Description.wav");
    EXPECT_EQ(dialog.editSep->text(), " - ");
}

TEST_F(TfFilenameTest, TilesShowTheirCaptionInFull) {
    for (const TTileArea* area : {dialog.Pool(), dialog.BuildRow()}) {
        for (const TNameShape* tile : area->Tiles())
            EXPECT_GE(tile->width(), tile->fontMetrics().horizontalAdvance(tile->Caption()))
                << tile->Caption().toStdString();
    }
}

TEST_F(TfFilenameTest, DropsMoveTilesAndRebuildMaskAndExample) {
    Drop(dialog, "%Art;", dialog.BuildRow()); // onto the row: to its end
    EXPECT_EQ(dialog.Options().Mask, "%Trc; - %FDes; - %Art;");
    EXPECT_EQ(dialog.lblExample->text(), "/01 - Full Description - Artist.wav");

    Drop(dialog, "%Yea;", dialog.Tile("%FDes;")); // onto a tile: takes its place
    EXPECT_EQ(CaptionsOf(dialog.BuildRow()), QStringList({"Track number", "Year", "Full Description", "Artist"}));

    Drop(dialog, "%Trc;", dialog.Tile("%Art;")); // within the row
    EXPECT_EQ(dialog.Options().Mask, "%Yea; - %FDes; - %Art; - %Trc;");

    Drop(dialog, "%FDes;", dialog.lblExample); // onto the example: back to the pool's end
    EXPECT_EQ(CaptionsOf(dialog.Pool()).back(), "Full Description");
    Drop(dialog, "%Yea;", dialog.Pool());
    EXPECT_EQ(dialog.Options().Mask, "%Art; - %Trc;");
    EXPECT_EQ(dialog.lblExample->text(), "/Artist - 01.wav");
}

TEST_F(TfFilenameTest, TypingSetsSeparatorAndCustomText) {
    Drop(dialog, "%Cst;", dialog.BuildRow());
    dialog.editSep->clear();
    QTest::keyClicks(dialog.editSep, "_");
    EXPECT_EQ(dialog.Options().Seperator, "_");
    EXPECT_EQ(dialog.Options().Mask, "%Trc;_%FDes;_%Cst;");
    QTest::keyClicks(dialog.EditCust, "Mine");
    EXPECT_EQ(dialog.Options().CustomText, "Mine");
    EXPECT_EQ(dialog.lblExample->text(), "/01_Full Description_Mine.wav");
}

TEST_F(TfFilenameTest, OkKeepsTheExampleAsDemo) {
    // A check box reacts on its box and caption, at the left of its stretched width.
    QTest::mouseClick(dialog.chkCreateFolders, Qt::LeftButton, {},
                      QPoint(8, dialog.chkCreateFolders->height() / 2));
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Options().Demo, "/01 - Full Description.wav");
    EXPECT_TRUE(dialog.Options().AutoFolder);
    EXPECT_FALSE(dialog.Options().AutoFolderPublisher);
}

TEST_F(TfFilenameTest, ReopeningPutsEveryTileBackFirst) {
    TFileNameOptions options;
    options.Mask = "%Label;";
    dialog.SetOptions(options);
    EXPECT_EQ(CaptionsOf(dialog.BuildRow()), QStringList{"Label"});
    EXPECT_EQ(dialog.Pool()->Tiles().size(), 12);
}

TEST(TfFilename, FolderOptionsHiddenForTheRenameSide) {
    TfFilename dialog;
    dialog.SetFolderOptionsVisible(false);
    dialog.show();
    EXPECT_FALSE(dialog.chkCreateFolders->isVisible());
    EXPECT_FALSE(dialog.chkPub->isVisible());
    EXPECT_FALSE(dialog.lblFolderHint->isVisible());
    EXPECT_EQ(dialog.lblExample->text(), "/Full Description.wav");
}

// Edit runs the dialog modally; the click is queued for its event loop.
bool EditAndClick(TFileNameOptions& options, const char* button, bool moveTile) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<TfFilename*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (moveTile)
            Drop(*dialog, "%Alb;", dialog->BuildRow());
        QTest::mouseClick(QString(button) == "OK" ? dialog->btnOK : dialog->btnCancel, Qt::LeftButton);
    });
    return TfFilename::Edit(nullptr, options, true);
}

TEST(TfFilename, CancelChangesNothingOkTakesTheCopyOver) {
    TFileNameOptions options;
    options.Mask = "%Trc; - %FDes;";
    const TFileNameOptions before = options;
    EXPECT_FALSE(EditAndClick(options, "Cancel", true));
    EXPECT_EQ(options.Mask, before.Mask);
    EXPECT_EQ(options.Demo, before.Demo);

    EXPECT_TRUE(EditAndClick(options, "OK", true));
    EXPECT_EQ(options.Mask, "%Trc; - %FDes; - %Alb;");
    EXPECT_EQ(options.Demo, "/01 - Full Description - Album.wav");
}
} // namespace
