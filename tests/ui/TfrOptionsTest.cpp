#include "ui/TfrOptions.h"

#include "ui/TWrappingCheckBox.h"

#include "common/QtPrinters.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {
// The text a caption shows: "&&" is an "&", a single "&" marks a mnemonic and is not shown.
QString Shown(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

struct OptionsInTheLeftColumn : ::testing::Test {
    QWidget column;
    TfrOptions* options = new TfrOptions;

    OptionsInTheLeftColumn() {
        column.setFixedSize(216, 600); // the left column of the main window
        auto* layout = new QVBoxLayout(&column);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(options);
        column.show();
    }
    bool InsideTheColumn(const QWidget* widget) const {
        const QRect place(widget->mapTo(&column, QPoint(0, 0)), widget->size());
        return column.rect().contains(place);
    }
};
} // namespace

TEST_F(OptionsInTheLeftColumn, SectionTitlesShowAsWritten) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&column));
    QStringList titles;
    for (const QGroupBox* section : options->findChildren<QGroupBox*>())
        titles.append(Shown(section->title()));
    EXPECT_EQ(titles, QStringList({"CD options", "Database & internet", "Other options", "Servers"}));
}

TEST_F(OptionsInTheLeftColumn, EveryCaptionShowsWholeInsideTheColumn) {
    options->lblSDXdir->setText("/home/librarian/Programs/Sonaphor-Professional-Edition/bin");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&column));
    for (QCheckBox* box : options->findChildren<QCheckBox*>()) {
        SCOPED_TRACE(box->text().toStdString());
        EXPECT_TRUE(InsideTheColumn(box));
        auto* wrapping = qobject_cast<TWrappingCheckBox*>(box);
        ASSERT_NE(wrapping, nullptr);
        const QStringList lines = wrapping->ShownLines();
        EXPECT_EQ(lines.join(' ').simplified(), box->text().simplified());
        for (const QString& line : lines)
            EXPECT_LE(box->fontMetrics().horizontalAdvance(line), box->width());
        EXPECT_GE(box->height(), box->heightForWidth(box->width()));
    }
    EXPECT_EQ(options->chkDoPost->text(), "Send updates back to the  VOVezaz"); // as written
    for (QWidget* widget : options->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget))
            EXPECT_TRUE(InsideTheColumn(widget)) << qPrintable(widget->objectName());
    }
}

TEST_F(OptionsInTheLeftColumn, AWrappedCaptionTogglesOnItsSecondLineToo) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&column));
    auto* box = static_cast<TWrappingCheckBox*>(options->chkDoPost);
    ASSERT_GT(box->ShownLines().size(), 1);
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() - 3));
    EXPECT_NE(box->isChecked(), before);
}
