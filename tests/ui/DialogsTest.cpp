#include "ui/TNewDarkButton.h"
#include "ui/TfAbout.h"
#include "ui/TfBatchDone.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(TfAbout, ShowsTheProductAndVersionAndOkCloses) {
    TfAbout about;
    EXPECT_TRUE(about.lblVersion->text().isEmpty()); // set when the box is shown
    about.show();
    EXPECT_EQ(about.lblProduct->text(), "Trackmoth");
    EXPECT_EQ(about.lblVersion->text(), "Version 2.1");
    EXPECT_FALSE(about.lblCredits->text().isEmpty());
    QTest::mouseClick(about.btnOK, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(TfBatchDone, ShowsTheStatisticsAndTheFailuresWhenThereAreAny) {
    TfBatchDone report;
    EXPECT_TRUE(report.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(report.lblHeading->text(), "Rename / Tag:");
    EXPECT_EQ(report.lblStats->text(), "Sounds processed OK");
    report.SetStatistics("2 of 3 sounds processed ok\n1 errors");
    report.SetFailures({"Rain.wav: a file of the new name exists"});
    report.show();
    EXPECT_EQ(report.lblStats->text(), "2 of 3 sounds processed ok\n1 errors");
    EXPECT_TRUE(report.memoFailures->isVisible());
    EXPECT_EQ(report.memoFailures->toPlainText(), "Rain.wav: a file of the new name exists");
    EXPECT_EQ(report.memoFailures->lineWrapMode(), QPlainTextEdit::WidgetWidth) << "long reasons wrap";
    report.SetFailures({});
    EXPECT_FALSE(report.memoFailures->isVisible());
    QTest::mouseClick(report.btnOK, Qt::LeftButton);
    EXPECT_EQ(report.result(), QDialog::Accepted);
}
