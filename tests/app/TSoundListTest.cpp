#include "app/TSoundList.h"
#include "app/tsound.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {
// Counts live records so a test can see which list releases them.
int liveRecords = 0;
struct TCountedSound : tsound {
    TCountedSound() { ++liveRecords; }
    ~TCountedSound() { --liveRecords; }
};

tsound* MakeSound(const QString& description, const QString& track = QString()) {
    auto* sound = new TCountedSound;
    sound->Description = description;
    sound->ID3.Track = track;
    return sound;
}
} // namespace

TEST(TSoundList, NewRecordHasItsDefaults) {
    tsound sound;
    EXPECT_EQ(sound.Status, ssnormal);
    EXPECT_EQ(sound.Format, sfwav);
    EXPECT_TRUE(sound.Description.isEmpty());
    EXPECT_EQ(sound.LengthSek, 0);
    sound.ID3.Title = "Set directly";
    EXPECT_FALSE(sound.ID3.HasTag); // only an editor that stores the record recomputes it
    EXPECT_TRUE(sound.ID3.ComputeHasTag());
}

TEST(TSoundList, OwningListReleasesRecordsReferringListNone) {
    liveRecords = 0;
    TSoundList main;
    for (int i = 0; i < 3; ++i)
        main.Add(MakeSound("s"));
    {
        TSoundList selection(TSoundList::RefersOnly);
        selection.Add(main.Items(0));
        selection.Add(main.Items(2));
        selection.Clear();
    }
    EXPECT_EQ(liveRecords, 3);
    main.Clear();
    EXPECT_EQ(liveRecords, 0);
    EXPECT_EQ(main.Count(), 0);
}

TEST(TSoundList, ARecordLivesAsLongAsAnyHolderKeepsItsShare) {
    liveRecords = 0;
    TSoundList main;
    for (int i = 0; i < 3; ++i)
        main.Add(MakeSound("s"));
    TSoundRef workedOn = main.Ref(1); // as a job, a batch row or an editor keeps it
    TSoundWeakRef previewed = main.Ref(2);
    {
        const std::vector<TSoundRef> taken = main.TakeRecords();
        EXPECT_EQ(main.Count(), 0);
        EXPECT_EQ(taken.size(), 3u);
    }
    EXPECT_EQ(liveRecords, 1); // the list let go; the worked-on record is still whole
    EXPECT_TRUE(previewed.expired());
    workedOn->Description = "still written safely";
    EXPECT_EQ(main.IndexOf(workedOn.get()), -1); // and it is known not to be in the list
    workedOn.reset();
    EXPECT_EQ(liveRecords, 0);
}

TEST(TSoundList, SortByDescriptionUsesLocaleOrderAndKeepsTracks) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TSoundList list;
    list.Add(MakeSound("b", "01"));
    list.Add(MakeSound("A", "02"));
    list.Add(MakeSound("a", "03"));
    list.Add(MakeSound("C", "04"));
    list.SortByDescription();
    QStringList order;
    for (tsound* sound : list)
        order << sound->Description + sound->ID3.Track;
    // A locale collation puts letters together regardless of case (a byte compare would put
    // every capital first); lower case comes before upper case for the same letter.
    EXPECT_EQ(order, QStringList({"a03", "A02", "b01", "C04"}));
}

TEST(TSoundList, LongListSortsLikePairwiseCollation) {
    // Long lists build their sort keys on two threads and merge the halves.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList words = {"door", "Door", "dog", "Äpfel", "apple", "zebra", "10", "9", ""};
    TSoundList list(TSoundList::RefersOnly);
    std::vector<std::unique_ptr<tsound>> sounds;
    for (int i = 0; i < 30000; ++i) {
        sounds.push_back(std::make_unique<tsound>());
        sounds.back()->Description = words[(i * 7) % words.size()] + QString::number(i % 97);
        list.Add(sounds.back().get());
    }
    list.SortByDescription();

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<tsound*> expected;
    for (const auto& sound : sounds)
        expected.push_back(sound.get());
    std::stable_sort(expected.begin(), expected.end(), [&](const tsound* a, const tsound* b) {
        return collator.compare(a->Description, b->Description) < 0;
    });
    ASSERT_EQ(list.Count(), int(expected.size()));
    std::set<tsound*> seen;
    for (int i = 0; i < list.Count(); ++i) {
        seen.insert(list.Items(i));
        ASSERT_EQ(list.Items(i)->Description, expected[size_t(i)]->Description) << "at " << i;
    }
    EXPECT_EQ(seen.size(), expected.size()); // every record once, none lost or doubled
}

TEST(SoundTypes, FormatTexts) {
    struct Row {
        TAudioFormat format;
        const char* text;
        const char* extension;
    };
    for (const Row& row : {Row{sfwav, "wav", ".wav"}, Row{sfmp3, "mp3", ".mp3"},
                           Row{sfFLAC, "flac", ".flac"}, Row{sfwp, "wp", ".wp"},
                           Row{sfAIFF, "aiff", ".aif"}}) {
        EXPECT_EQ(AudioFormatText(row.format), row.text);
        EXPECT_EQ(AudioFormatExtension(row.format), row.extension);
        TAudioFormat parsed = sfmp3;
        EXPECT_TRUE(AudioFormatFromText(row.text, parsed));
        EXPECT_EQ(parsed, row.format);
    }
    TAudioFormat unchanged = sfmp3;
    EXPECT_FALSE(AudioFormatFromText("WAV", unchanged));
    EXPECT_EQ(unchanged, sfmp3);
}
