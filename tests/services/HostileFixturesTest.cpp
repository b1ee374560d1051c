// Hostile answers kept as files under tests/data/services: each gives no result or a clean one,
// with a reason where one is due.
#include "services/TFreeDbAnswers.h"
#include "services/TSfxDbDocument.h"
#include "services/TUpdateCheck.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {
QByteArray Fixture(const char* name) {
    QFile file(QString(TRACKMOTH_SERVICES_DATA) + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}
} // namespace

TEST(HostileFixtures, ABrokenDatabaseDocumentGivesNoRecords) {
    for (const char* name : {"database-mismatched-end.xml", "database-cut-off.xml", "database-binary.bin"}) {
        const TSfxDbDocument::TDatabase database = TSfxDbDocument::ParseDatabase(Fixture(name));
        EXPECT_FALSE(database.Outcome) << name;
        EXPECT_TRUE(database.Records.isEmpty()) << name;
        EXPECT_TRUE(database.Outcome.ErrorText().contains("not readable XML")) << name;
    }
}

TEST(HostileFixtures, BrokenTextInAFreedbEntryIsReadAsFarAsItGoes) {
    const TFreeDbAnswers::TRead read = TFreeDbAnswers::ParseRead(Fixture("freedb-read-bad-utf8.txt"));
    ASSERT_EQ(read.Result, TFreeDbAnswers::TRead::Found);
    EXPECT_TRUE(read.Entry.Artist.contains("broken"));
    EXPECT_EQ(read.Entry.Titles.size(), 2);
    EXPECT_EQ(read.Entry.Titles[1], "ok");
}

TEST(HostileFixtures, AnUnclosedQuoteInTheUpdateFileOffersNothing) {
    EXPECT_EQ(TUpdateCheck::Decide(Fixture("update-unclosed-quote.txt")).Decision, TUpdateCheck::Silent);
}
