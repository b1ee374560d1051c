// Files and folders dropped from a file manager onto the main window.
#include "app/TfMainForm.h"

#include "common/PickFolderInWindow.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {
// Sends the drag-enter and drop a file manager's drag would; `fromOurList` as a drag out of
// the program's own list.
bool Drop(TfMainForm& form, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(400, 300);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    return drop.isAccepted();
}
} // namespace

TEST(DropOnWindow, ADroppedFileOrFolderOpensItsFolderInRenameMode) {
    TTestDir dir;
    TRecordingMessages messages;
    const QString rain = dir.MakeFolder("Rain");
    const QString wind = dir.MakeFolder("Wind");
    const QString gust = dir.Write("Wind/gust.wav", "RIFF");
    TfMainForm form(dir.MakeFolder("program"), nullptr);
    form.StartUp();
    ASSERT_TRUE(form.ImportMode());

    EXPECT_TRUE(Drop(form, {QUrl::fromLocalFile(rain)}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.ImportMode(); }, 5000));
    EXPECT_TRUE(WaitForFolderListed(form));
    EXPECT_FALSE(form.ImportMode());
    EXPECT_EQ(form.CurrentFolder(), rain);

    EXPECT_TRUE(Drop(form, {QUrl::fromLocalFile(gust)}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.CurrentFolder() == wind; }, 5000));
    EXPECT_EQ(form.CurrentFolder(), wind) << "a file opens the folder it is in";

    EXPECT_FALSE(Drop(form, {QUrl("https://example.org/x.wav")})) << "nothing local: refused";
    EXPECT_TRUE(messages.Messages.isEmpty());
}
