// The suggestion boxes as the main window sets them up: the rename panel's starts from a copy
// of the import panel's SFX history and serves the series, CD and publisher fields.
#include "app/TfMainForm.h"
#include "cdimport/TfrCdimport.h"
#include "common/TTestDir.h"
#include "naming/TfrRename.h"
#include "ui/TLongAutoCompleteListBox.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct RenamePanelSuggestions : ::testing::Test {
    TTestDir program;
    std::unique_ptr<TfMainForm> form;
    TfrRename* panel = nullptr;

    RenamePanelSuggestions() {
        program.Write("SFXHistory.txt", "Big Bangs\r\nBirds\r\nHollywood Edge\r\n");
        form = std::make_unique<TfMainForm>(program.Path(), nullptr);
        form->StartUp();
        form->ShowRenameMode();
        form->show();
        panel = form->frRename();
    }
};
} // namespace

TEST_F(RenamePanelSuggestions, EachFieldGetsTheImportHistorysSuggestionsBelowIt) {
    for (QLineEdit* field : {panel->editSeries, panel->editCD, panel->editPublisher}) {
        field->clear();
        QTest::keyClicks(field, "hol");
        ASSERT_TRUE(panel->AutoSFX->isVisible()) << field->objectName().toStdString();
        EXPECT_EQ(panel->AutoSFX->Edit(), field);
        EXPECT_EQ(panel->AutoSFX->item(0)->text(), "Hollywood Edge");
        EXPECT_EQ(panel->AutoSFX->mapToGlobal(QPoint(0, 0)),
                  field->mapToGlobal(QPoint(0, field->height())));
        QTest::keyClick(field, Qt::Key_Down);
        EXPECT_EQ(field->text(), "Hollywood Edge");
        EXPECT_FALSE(panel->AutoSFX->isVisible());
    }
}

TEST_F(RenamePanelSuggestions, TheCopyGrowsWithoutTouchingTheImportHistory) {
    panel->AutoSFX->AddToHistory("Wind Library");
    EXPECT_EQ(panel->SFXHistory.Count(), 4);
    EXPECT_EQ(form->frCdimport()->SFXHistory.Count(), 3);
}

TEST_F(RenamePanelSuggestions, FieldFocusHoldsOffThePlayKeyAndLeavingHidesTheBox) {
    QAction* playPause = form->Action("AcPlayPause");
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(panel->editCD, &focusIn);
    EXPECT_FALSE(playPause->isEnabled());
    QTest::keyClicks(panel->editCD, "bir");
    ASSERT_TRUE(panel->AutoSFX->isVisible());
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(panel->editCD, &focusOut);
    EXPECT_TRUE(playPause->isEnabled());
    EXPECT_FALSE(panel->AutoSFX->isVisible());
}

// The import panel's two boxes: earlier series/CD/publisher texts under the SFX fields, earlier
// artist/album texts under the Music fields.
TEST(ImportPanelSuggestions, EachFieldGetsItsOwnHistorysSuggestions) {
    TTestDir program;
    program.Write("SFXHistory.txt", "Big Bangs\r\nHollywood Edge\r\n");
    program.Write("MusHistory.txt", "Holst\r\nMiles Davis\r\n");
    TfMainForm form(program.Path(), nullptr);
    form.StartUp();
    form.ShowImportMode();
    form.show();
    TfrCdimport& panel = *form.frCdimport();
    struct Case {
        int tab;
        QLineEdit* field;
        TLongAutoCompleteListBox* box;
        const char* first;
    };
    for (const Case& c : {Case{0, panel.editSeries, panel.AutoSFX, "Hollywood Edge"},
                          Case{0, panel.editCD, panel.AutoSFX, "Hollywood Edge"},
                          Case{0, panel.editPublisher, panel.AutoSFX, "Hollywood Edge"},
                          Case{1, panel.editArtist, panel.AutoMus, "Holst"},
                          Case{1, panel.editAlbum, panel.AutoMus, "Holst"}}) {
        panel.PageControl->setCurrentIndex(c.tab);
        c.field->clear();
        QTest::keyClicks(c.field, "hol");
        ASSERT_TRUE(c.box->isVisible()) << c.field->objectName().toStdString();
        EXPECT_EQ(c.box->Edit(), c.field);
        EXPECT_EQ(c.box->item(0)->text(), c.first);
        QTest::keyClick(c.field, Qt::Key_Down);
        EXPECT_EQ(c.field->text(), c.first);
        EXPECT_FALSE(c.box->isVisible());
    }
    // A tab change hides both.
    panel.editAlbum->clear();
    QTest::keyClicks(panel.editAlbum, "mil");
    ASSERT_TRUE(panel.AutoMus->isVisible());
    panel.PageControl->setCurrentIndex(0);
    EXPECT_FALSE(panel.AutoMus->isVisible());
}
