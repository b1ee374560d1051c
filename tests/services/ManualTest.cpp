#include "services/THelpMenu.h"

#include "common/TTestDir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {
int Pages(const QByteArray& pdf) { return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r")); }
} // namespace

TEST(Manual, TheToolTurnsMarkdownIntoAPdf) {
    TTestDir dir;
    QByteArray markdown = "# Title\n\nSome *text* and a table:\n\n| a | b |\n|---|---|\n| 1 | 2 |\n";
    for (int i = 0; i < 200; ++i)
        markdown += "\n- item " + QByteArray::number(i);
    QProcess tool;
    tool.start(MARKDOWN_TO_PDF, {dir.Write("m.md", markdown), dir.File("out.pdf")});
    ASSERT_TRUE(tool.waitForFinished(60'000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QByteArray pdf = dir.Read("out.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_GE(Pages(pdf), 2);
    EXPECT_FALSE(QFile::exists(dir.File("out.pdf.part")));

    tool.start(MARKDOWN_TO_PDF, {dir.File("missing.md"), dir.File("x.pdf")});
    ASSERT_TRUE(tool.waitForFinished(60'000));
    EXPECT_NE(tool.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(dir.File("x.pdf")));
}

TEST(Manual, TheBuildPutsTheManualBesideTheProgram) {
    QFile manual(QString(TRACKMOTH_PROGRAM_FOLDER) + "/" + THelpMenu::ManualFileName);
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << manual.fileName().toStdString();
    const QByteArray pdf = manual.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_GE(Pages(pdf), 4);
}
