#include "ui/TBitSlider.h"

#include <QPixmap>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
struct Slider : ::testing::Test {
    TBitSlider slider;
    QSignalSpy userChanged{&slider, &TBitSlider::onUserChange};
    QSignalSpy changed{&slider, &TBitSlider::onChange};
    QSignalSpy afterUser{&slider, &TBitSlider::AfterUserChange};

    Slider() {
        slider.resize(150, 14); // the painted knob is 10 pixels wide
        slider.show();
    }
    void PressAt(int x, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(&slider, Qt::LeftButton, modifiers, QPoint(x, 7));
    }
};
} // namespace

TEST_F(Slider, PressAtTheEndsReadsZeroAndHundred) {
    PressAt(145);
    EXPECT_EQ(slider.Position(), 100);
    EXPECT_EQ(slider.KnobLeft(), 140);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(145, 7));
    PressAt(0);
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(slider.KnobLeft(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(0, 7));
    EXPECT_EQ(userChanged.count(), 2);
    EXPECT_EQ(afterUser.count(), 2);
    EXPECT_EQ(changed.count(), 0); // the user's changes are not the program's
}

TEST_F(Slider, ScrubsWhileDraggingUnlessToldNotTo) {
    PressAt(29);
    QTest::mouseMove(&slider, QPoint(72, 7));
    EXPECT_EQ(slider.Position(), 50);
    EXPECT_EQ(userChanged.count(), 2);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(72, 7));
    EXPECT_EQ(userChanged.count(), 2);
    EXPECT_EQ(afterUser.count(), 1);

    userChanged.clear();
    afterUser.clear();
    slider.DontScrub = true;
    PressAt(29);
    QTest::mouseMove(&slider, QPoint(100, 7));
    EXPECT_EQ(slider.Position(), 69);
    EXPECT_EQ(userChanged.count(), 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(100, 7));
    EXPECT_EQ(userChanged.count(), 1);
    EXPECT_EQ(afterUser.count(), 1);
}

TEST_F(Slider, TheProgramCannotMoveTheKnobOutOfTheUsersHand) {
    slider.SetPosition(70);
    EXPECT_EQ(slider.KnobLeft(), 98);
    EXPECT_EQ(changed.count(), 1);
    PressAt(29);
    slider.SetPosition(90);
    EXPECT_EQ(slider.Position(), 20);
    EXPECT_EQ(changed.count(), 1);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(29, 7));
    slider.SetPosition(250);
    EXPECT_EQ(slider.Position(), 100);
    slider.SetPosition(-3);
    EXPECT_EQ(slider.Position(), 0);
}

TEST_F(Slider, CtrlPressGoesToTheIdlePositionAndRightPressOnlyReports) {
    slider.IdlePos = 70;
    slider.SetPosition(10);
    PressAt(140, Qt::ControlModifier);
    EXPECT_EQ(slider.Position(), 70);
    EXPECT_FALSE(slider.Dragging());
    EXPECT_EQ(userChanged.count(), 1);

    QSignalSpy rightClicked(&slider, &TBitSlider::OnRightClick);
    QTest::mousePress(&slider, Qt::RightButton, {}, QPoint(10, 7));
    EXPECT_EQ(rightClicked.count(), 1);
    EXPECT_EQ(slider.Position(), 70);
}

TEST_F(Slider, ABackgroundPictureSizesTheSlider) {
    QPixmap back(80, 12);
    back.fill(Qt::darkGray);
    slider.SetBackBitmap(back);
    EXPECT_EQ(slider.size(), QSize(80, 12));
    QPixmap knob(6, 12);
    knob.fill(Qt::white);
    slider.SetKnobBitmap(knob);
    EXPECT_EQ(slider.KnobWidth(), 6);
    slider.SetPosition(50);
    EXPECT_EQ(slider.KnobLeft(), 37);
}
