// The description editor's text tools, each over a table of lines.
#include "common/QtPrinters.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "naming/DescriptionTools.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
struct TToolCase {
    QString line;
    QString expected;
};

void ExpectEachLine(const std::function<void(QStringList&)>& tool, const std::vector<TToolCase>& cases) {
    QStringList lines;
    for (const TToolCase& c : cases)
        lines.append(c.line);
    tool(lines);
    ASSERT_EQ(lines.size(), qsizetype(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(lines[qsizetype(i)], cases[i].expected) << "from \"" << cases[i].line.toStdString() << '"';
}

void Fill(TSoundList& sounds, const QStringList& descriptions) {
    for (const QString& description : descriptions) {
        auto sound = std::make_unique<tsound>();
        sound->Description = description;
        sounds.Add(std::move(sound));
    }
}
} // namespace

TEST(DescriptionTools, RemoveIndexNumbers) {
    ExpectEachLine(RemoveIndexNumbers, {
                                           {"01 Dog", " Dog"},
                                           {"12 - Dog", " - Dog"},
                                           {"21 Dog", " Dog"},
                                           {"100 Dog", " Dog"},
                                           {"1000 Dog", "0 Dog"},
                                           {"007 Bond", " Bond"},
                                           {"Dog 01", "Dog 01"},
                                           {"98765 x", "65 x"},
                                           {"", ""},
                                           {"5", ""},
                                       });
}

TEST(DescriptionTools, RemoveCapitals) {
    ExpectEachLine(RemoveCapitals, {
                                       {"DOG BARK. LOUD", "Dog bark. Loud"},
                                       {"dog. cat. b", "Dog. Cat. B"},
                                       {"x.y. z", "X.y. Z"},
                                       {QString::fromUtf8("ÄRGER. ÖL"), QString::fromUtf8("Ärger. Öl")},
                                       {"end. ", "End. "},
                                       {"1 DOG. 2 CATS", "1 dog. 2 cats"},
                                       {"", ""},
                                   });
}

TEST(DescriptionTools, TrimmingKeepsEmptyLinesEmpty) {
    ExpectEachLine([](QStringList& l) { TrimFirstChars(l, 1); }, {{"xDog", "Dog"}, {"", ""}, {"a", ""}});
    ExpectEachLine([](QStringList& l) { TrimFirstChars(l, 3); }, {{"ab", ""}, {"abcd", "d"}});
    ExpectEachLine(TrimLastChar, {{"Dog.", "Dog"}, {"", ""}, {"a", ""}});
}

TEST(DescriptionTools, PrependAppendAndReplace) {
    ExpectEachLine([](QStringList& l) { PrependText(l, "Birds"); }, {{"chirp", "Birds chirp"}, {"", "Birds "}});
    ExpectEachLine([](QStringList& l) { AppendText(l, ""); }, {{"chirp", "chirp "}});
    ExpectEachLine([](QStringList& l) { ReplaceAll(l, "dog", "cat"); },
                   {{"Dog", "Dog"}, {"dog dog", "cat cat"}, {"hotdogs", "hotcats"}});
    ExpectEachLine([](QStringList& l) { ReplaceAll(l, "a", "aa"); }, {{"aba", "aabaa"}});
    ExpectEachLine([](QStringList& l) { ReplaceAll(l, "", "x"); }, {{"Dog", "Dog"}});
}

TEST(DescriptionTools, GoodNamesTrimTheSpaceTheIndexLeft) {
    QStringList lines{"01 Dog", "Door: slam / close"};
    RemoveIndexNumbers(lines);
    MakeGoodStrings(lines);
    EXPECT_EQ(lines, QStringList({"Dog", "Door - slam - close"}));
}

TEST(DescriptionTools, LinesGoToSoundsByPositionAsFarAsBothGo) {
    TSoundList sounds;
    Fill(sounds, {"a", "b", "c"});
    EXPECT_EQ(DescriptionLines(sounds), QStringList({"a", "b", "c"}));
    SetDescriptions(sounds, {"A", "B"});
    EXPECT_EQ(DescriptionLines(sounds), QStringList({"A", "B", "c"}));
    SetDescriptions(sounds, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(DescriptionLines(sounds), QStringList({"1", "2", "3"}));
}

TEST(DescriptionTools, TitlesAndOnTheSfxTabCommentsFollowDescriptions) {
    TSoundList sounds;
    Fill(sounds, {"Rain"});
    sounds.Items(0)->ID3.Comment = "old";
    SyncTitlesFromDescriptions(sounds, false);
    EXPECT_EQ(sounds.Items(0)->ID3.Title, "Rain");
    EXPECT_EQ(sounds.Items(0)->ID3.Comment, "old");
    SyncTitlesFromDescriptions(sounds, true);
    EXPECT_EQ(sounds.Items(0)->ID3.Comment, "Rain");
}
