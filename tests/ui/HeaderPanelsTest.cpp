#include "ui/TDarkPanel.h"
#include "ui/TQorHeadColPanel.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
// A window with one collapsible panel (holding a tall label) above a stretch.
struct RollingPanel : ::testing::Test {
    QWidget window;
    TQorHeadColPanel* panel = nullptr;

    RollingPanel() {
        auto* layout = new QVBoxLayout(&window);
        panel = new TQorHeadColPanel("ID3 -tag", &window);
        auto* content = new QVBoxLayout(panel);
        auto* label = new QLabel("Artist (TPE1)", panel);
        label->setFixedHeight(150);
        content->addWidget(label);
        layout->addWidget(panel);
        layout->addStretch();
        window.resize(300, 500);
        window.show();
        Settle();
    }
    void Settle() {
        window.layout()->activate();
        QCoreApplication::processEvents();
    }
    void ClickAt(int y) {
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(50, y));
        Settle();
    }
};
} // namespace

TEST_F(RollingPanel, AClickOnTheHeadRollsUpAndUnrollsToTheEarlierHeight) {
    const int unrolled = panel->height();
    ASSERT_GT(unrolled, 150);
    ClickAt(panel->HeadHeight() + 5); // the body is no handle
    EXPECT_FALSE(panel->RolledUp());

    ClickAt(3);
    EXPECT_TRUE(panel->RolledUp());
    EXPECT_EQ(panel->height(), panel->HeadHeight());
    EXPECT_EQ(panel->minimumHeight(), 10);
    EXPECT_FALSE(panel->AutoSize());

    ClickAt(3);
    EXPECT_FALSE(panel->RolledUp());
    EXPECT_EQ(panel->height(), unrolled);
    EXPECT_TRUE(panel->AutoSize());
    EXPECT_EQ(panel->minimumHeight(), 0);
}

TEST_F(RollingPanel, APanelThatMustStayOpenIgnoresItsHead) {
    panel->DontCollapse = true;
    const int height = panel->height();
    ClickAt(3);
    panel->SetRolledUp(true);
    EXPECT_FALSE(panel->RolledUp());
    EXPECT_EQ(panel->height(), height);
}

TEST(TQorHeadColPanel, UnrollsTo120WhenNoHeightWasRemembered) {
    TQorHeadColPanel panel("bwav -tag");
    panel.SetAutoSize(false);
    panel.SetRolledUp(true); // before it was ever laid out
    EXPECT_EQ(panel.height(), panel.HeadHeight());
    panel.SetRolledUp(false);
    EXPECT_EQ(panel.height(), 120);
    EXPECT_EQ(panel.sizeHint().height(), 120);
}

TEST(TDarkPanel, BrightnessSetsTheGrey) {
    TDarkPanel panel;
    EXPECT_EQ(panel.Color(), QColor(0x28, 0x28, 0x28));
    const struct {
        int brightness, grey;
    } cases[] = {{0, 40}, {20, 60}, {215, 255}, {216, 0}, {230, 14}, {-40, 0}, {-50, 246}};
    for (const auto& c : cases) {
        panel.SetBrightness(c.brightness);
        EXPECT_EQ(panel.Color(), QColor(c.grey, c.grey, c.grey)) << c.brightness;
        EXPECT_EQ(panel.viewport()->palette().color(QPalette::Window), panel.Color());
    }
}
