#include "ui/TNoBorderSizeForm.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
// A form filled with a label, so that the zones lie over the form's own margin.
struct SizingForm : ::testing::Test {
    TNoBorderSizeForm form;
    QWindow* window = nullptr;

    SizingForm() {
        auto* layout = new QVBoxLayout(&form);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLabel("Edit track names", &form), 1);
        form.setMinimumSize(120, 80);
        form.setGeometry(100, 100, 300, 200);
        form.show();
        window = form.windowHandle();
    }
};
} // namespace

TEST_F(SizingForm, ShowsTheSizingCursorOverTheEdgesOnly) {
    ASSERT_NE(window, nullptr);
    QTest::mouseMove(window, QPoint(150, 100));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(window, QPoint(298, 198));
    EXPECT_EQ(form.cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(window, QPoint(150, 2));
    EXPECT_EQ(form.cursor().shape(), Qt::SizeVerCursor);
    QTest::mouseMove(window, QPoint(150, 100));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SizingForm, SizesItselfByThePointerWhenTheWindowSystemCannot) {
    ASSERT_NE(window, nullptr);
    // The offscreen platform, like bare X, cannot size windows for us.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(298, 198));
    ASSERT_TRUE(form.SizingByHand());
    QTest::mouseMove(window, QPoint(348, 228));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(348, 228));
    EXPECT_FALSE(form.SizingByHand());
    EXPECT_EQ(form.geometry(), QRect(100, 100, 350, 230));

    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseMove(window, QPoint(41, 100));
    // The window has moved under the pointer, which now stands at its left edge again.
    QTest::mouseRelease(window, Qt::LeftButton, {}, form.mapFromGlobal(QPoint(141, 200)));
    EXPECT_EQ(form.geometry(), QRect(140, 100, 310, 230));
}

TEST_F(SizingForm, AMaximisedWindowHasNoZones) {
    form.showMaximized();
    QTest::mouseMove(window, QPoint(1, 1));
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(form.SizingByHand());
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(1, 1));
}
