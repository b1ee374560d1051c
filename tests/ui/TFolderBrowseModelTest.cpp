#include "ui/TFolderBrowseModel.h"

#include "common/DiskNames.h"
#include "common/TTestDir.h"

#include <QDir>
#include <QPersistentModelIndex>

#include <gtest/gtest.h>

namespace {
// The rows under `parent`, read first as a view does when the folder is expanded.
QStringList Rows(TFolderBrowseModel& model, const QModelIndex& parent) {
    if (model.canFetchMore(parent))
        model.fetchMore(parent);
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row)
        rows.append(model.index(row, 0, parent).data().toString());
    return rows;
}

TEST(TFolderBrowseModel, ShowsEveryFolderByItsBytesInReadingOrder) {
    TTestDir dir;
    for (const QByteArray& name : {QByteArray("f2"), QByteArray("f1"), QByteArray("Alt\xe9"),
                                   QByteArray("Bird"), QByteArray("apple"), QByteArray(".hidden")})
        ASSERT_FALSE(MakeOnDisk(dir, name, true).isEmpty());
    MakeOnDisk(dir, "file.wav");                                  // no folder
    ASSERT_TRUE(QFile::link(dir.File("Bird"), dir.File("cave"))); // a link to a folder is one

    TFolderBrowseModel model;
    const QModelIndex top = model.index(dir.Path());
    ASSERT_TRUE(top.isValid());
    EXPECT_EQ(model.filePath(top), dir.Path());
    EXPECT_EQ(Rows(model, top),
              QStringList({QString::fromUtf8("Alt\xc3\xa9"), "apple", "Bird", "cave", "f1", "f2"}));
    const QModelIndex latin1 = model.index(0, 0, top);
    EXPECT_EQ(model.DiskPath(latin1), DiskPathIn(dir, "Alt\xe9"));
    EXPECT_EQ(latin1.data(TFolderBrowseModel::DiskPathRole).toByteArray(),
              DiskPathIn(dir, "Alt\xe9"));
    EXPECT_EQ(model.index(DiskPathIn(dir, "Alt\xe9")), latin1);
    EXPECT_EQ(model.parent(latin1), top);

    // A hidden folder is there when a chosen path leads through it.
    const QModelIndex hidden = model.index(DiskPathIn(dir, ".hidden"));
    ASSERT_TRUE(hidden.isValid());
    EXPECT_EQ(hidden.data().toString(), ".hidden");
    EXPECT_FALSE(model.index(DiskPathIn(dir, "file.wav")).isValid());
    EXPECT_FALSE(model.index(DiskPathIn(dir, "missing")).isValid());
}

TEST(TFolderBrowseModel, ReadingAgainKeepsTheRowsOfFoldersStillThere) {
    TTestDir dir;
    dir.MakeFolder("a");
    dir.MakeFolder("c/inner");
    TFolderBrowseModel model;
    const QModelIndex top = model.index(dir.Path());
    const QPersistentModelIndex inner = model.index(dir.File("c/inner"));
    ASSERT_TRUE(inner.isValid());

    ASSERT_TRUE(QDir(dir.File("a")).removeRecursively());
    dir.MakeFolder("b");
    dir.MakeFolder("c/second");
    model.RereadAll();
    EXPECT_EQ(Rows(model, top), QStringList({"b", "c"}));
    ASSERT_TRUE(inner.isValid()); // what the view had open stays open
    EXPECT_EQ(model.filePath(inner), dir.File("c/inner"));
    EXPECT_EQ(Rows(model, inner.parent()), QStringList({"inner", "second"}));
}
} // namespace
