#include "app/THistoryList.h"

#include "common/TTestDir.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(THistoryList, SortedCaseBlindAndUnique) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    THistoryList history;
    for (const char* text : {"Birds", "big bangs", "Big Bangs", "Airplanes", "BIRDS", "bees"})
        history.Add(text);
    EXPECT_EQ(history.Entries(), QStringList({"Airplanes", "bees", "big bangs", "Birds"}));
}

TEST(THistoryList, FileHasCrLfLinesAndLoadsSortedWithoutRepeats) {
    TTestDir dir;
    dir.Write("SFXHistory.txt", "zebra\r\nApe\nape\r\nMoose");
    THistoryList history;
    ASSERT_TRUE(history.LoadFromFile(dir.File("SFXHistory.txt")));
    EXPECT_EQ(history.Entries(), QStringList({"Ape", "Moose", "zebra"}));
    history.Add("Björk");
    history.SaveToFile(dir.File("out.txt"));
    EXPECT_EQ(dir.Read("out.txt"), QByteArray("Ape\r\nBj\xc3\xb6rk\r\nMoose\r\nzebra\r\n"));

    history.Clear();
    history.SaveToFile(dir.File("empty.txt"));
    EXPECT_EQ(dir.Read("empty.txt"), QByteArray());
    EXPECT_FALSE(history.LoadFromFile(dir.File("missing.txt")));
}
