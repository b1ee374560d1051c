#include "ui/TCustomBitButton.h"
#include "ui/TDarkButton.h"
#include "ui/TNewDarkButton.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
struct BitButton : ::testing::Test {
    TCustomBitButton button;
    QSignalSpy clicked{&button, &TCustomBitButton::OnClick};

    BitButton() {
        button.resize(40, 30);
        button.show();
    }
    void Press() { QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10)); }
    void Release() { QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10)); }
};
} // namespace

TEST_F(BitButton, IsDownOnlyWhileHeld) {
    Press();
    EXPECT_TRUE(button.Down());
    Release();
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(BitButton, InToggleModeEachPressFlipsAndReleasesChangeNothing) {
    button.ToggleMode = true;
    Press();
    EXPECT_TRUE(button.Down());
    Release();
    EXPECT_TRUE(button.Down());
    Press();
    EXPECT_FALSE(button.Down());
    Release();
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(BitButton, WithDontMessWithDownOnlyTheProgramMovesIt) {
    button.DontMessWithDown = true;
    QAction action("Rename / Tag files");
    QSignalSpy triggered(&action, &QAction::triggered);
    button.SetAction(&action);
    Press();
    EXPECT_FALSE(button.Down());
    Release();
    EXPECT_EQ(triggered.count(), 1);
    button.SetDown(true);
    Press();
    Release();
    EXPECT_TRUE(button.Down());
    action.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
}

TEST_F(BitButton, ADragBeginsBeyondTwentyPixelsAndIsNoClick) {
    QSignalSpy dragged(&button, &TCustomBitButton::OnStartDrag);
    Press();
    QTest::mouseMove(&button, QPoint(30, 30));
    EXPECT_EQ(dragged.count(), 0); // not armed without CanDrag
    Release();

    button.CanDrag = true;
    Press();
    QTest::mouseMove(&button, QPoint(30, 30));
    EXPECT_EQ(dragged.count(), 0);
    QTest::mouseMove(&button, QPoint(31, 10));
    QTest::mouseMove(&button, QPoint(35, 10));
    EXPECT_EQ(dragged.count(), 1);
    Release();
    EXPECT_EQ(clicked.count(), 1); // only the first press and release, without drag
}

TEST_F(BitButton, TheUpPictureSizesTheButtonWhereItHasASize) {
    button.SetUpImage(QPixmap(24, 19));
    EXPECT_EQ(button.size(), QSize(24, 19));
    button.SetUpImage(QPixmap());
    EXPECT_EQ(button.size(), QSize(24, 19));
}

TEST(DarkButton, ShowsDownWhilePressedAndTriggersItsAction) {
    TNewDarkButton button("Select");
    QAction action("Process marked");
    QSignalSpy triggered(&action, &QAction::triggered);
    button.SetAction(&action);
    button.show();
    EXPECT_EQ(button.text(), "Process marked");
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(triggered.count(), 1);
    action.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    button.SetAction(nullptr);
    button.setEnabled(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1); // no longer bound to the action
}
