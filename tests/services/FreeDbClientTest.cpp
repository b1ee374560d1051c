#include "services/TCurlHttpClient.h"
#include "services/TFreeDbAnswers.h"
#include "services/TFreeDbClient.h"

#include "TCddbServer.h"
#include "TFakeConnection.h"
#include "TRawSocketServer.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
const QString discId = "7a0b3c0d 3 150 20000 40000 2000";
const QByteArray hello = "&hello=anonymous+localhost+\"Sonaphor+Sonaphor_CdRipper\"+1.0&proto=6";
const QByteArray someEntry = "DTITLE=Some Artist / Some Album\r\nDYEAR=1999\r\nDGENRE=Rock\r\n"
                             "TTITLE0=a\r\nTTITLE1=b\r\nTTITLE1=c\r\nTTITLE2=d\r\n";
const QByteArray twoMatches = "210 Found exact matches, list follows (until terminating `.')\r\n"
                              "rock 7a0b3c0d Some Artist / Some Album\r\n"
                              "misc 7a0b3c0e Other, The / Other Album\r\n.\r\n";

struct FreeDbFixture : ::testing::Test {
    TCddbServer server;
    TCurlHttpClient http{10s, 5s};
    TFakeConnection connection;
    TFreeDbClient client{http, connection, server.Host()};
    QList<QList<TFreeDbMatch>> pickerCalls;
    int choice = 0;

    TFreeDbClient::TLookup Query() {
        return client.QueryDisc(discId, [this](const QList<TFreeDbMatch>& matches) {
            pickerCalls.append(matches);
            return choice;
        });
    }
    QList<QByteArray> Targets() const { return server.http.Targets(); }
};
} // namespace

TEST_F(FreeDbFixture, OneExactMatchIsReadWithoutThePicker) {
    server.QueryAnswer = "200 rock 7a0b3c0d Some Artist / Some Album\r\n";
    server.ReadAnswers["rock 7a0b3c0d"] = TCddbServer::Entry("rock", "7a0b3c0d", someEntry);
    const TFreeDbClient::TLookup lookup = Query();
    EXPECT_TRUE(lookup.DirectMatch);
    ASSERT_TRUE(lookup.Read);
    EXPECT_TRUE(pickerCalls.isEmpty());
    EXPECT_TRUE(lookup.Message.isEmpty());
    EXPECT_EQ(lookup.Entry.Artist, "Some Artist");
    EXPECT_EQ(lookup.Entry.Album, "Some Album");
    EXPECT_EQ(lookup.Entry.Year, "1999");
    EXPECT_EQ(lookup.Entry.Genre, "Rock");
    // A second line of one key continues its title.
    EXPECT_EQ(lookup.Entry.Titles, QStringList({"a", "bc", "d"}));
    EXPECT_EQ(Targets(), QList<QByteArray>({
                             "/~cddb/cddb.cgi?cmd=cddb+query+7a0b3c0d+3+150+20000+40000+2000" + hello,
                             "/~cddb/cddb.cgi?cmd=cddb+read+rock+7a0b3c0d" + hello,
                         }));
    const auto request = server.http.Requests().first();
    EXPECT_EQ(request.Header("Accept"), "text/html, */*");
    EXPECT_EQ(request.Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(connection.AskedFor, QStringList({server.Host()}));
}

TEST_F(FreeDbFixture, SeveralMatchesAreOfferedWithTheirWholeTitles) {
    for (const QByteArray status : {"210", "211"}) {
        server.QueryAnswer = status + twoMatches.mid(3);
        server.ReadAnswers["misc 7a0b3c0e"] = TCddbServer::Entry("misc", "7a0b3c0e", "DTITLE=Other\r\n");
        pickerCalls.clear();
        server.http.ClearRequests();
        choice = 1;
        const TFreeDbClient::TLookup lookup = Query();
        ASSERT_EQ(pickerCalls.size(), 1);
        const QList<TFreeDbMatch>& matches = pickerCalls.first();
        ASSERT_EQ(matches.size(), 2);
        EXPECT_EQ(matches[0].Title, "Some Artist / Some Album");
        EXPECT_EQ(matches[0].Category, "rock");
        EXPECT_EQ(matches[0].DiscId, "7a0b3c0d");
        EXPECT_EQ(matches[1].Title, "Other, The / Other Album");
        EXPECT_EQ(matches[1].Line, "misc 7a0b3c0e Other, The / Other Album");
        EXPECT_FALSE(lookup.DirectMatch);
        ASSERT_TRUE(lookup.Read);
        EXPECT_EQ(lookup.Entry.Artist, "Other"); // no " / ": the whole title names both
        EXPECT_EQ(lookup.Entry.Album, "Other");
        EXPECT_EQ(Targets().last(), "/~cddb/cddb.cgi?cmd=cddb+read+misc+7a0b3c0e" + hello);
    }
}

TEST_F(FreeDbFixture, APickerClosedWithoutAChoiceReadsNothing) {
    server.QueryAnswer = twoMatches;
    choice = -1;
    const TFreeDbClient::TLookup lookup = Query();
    EXPECT_FALSE(lookup.Read);
    EXPECT_EQ(Targets().size(), 1);
}

TEST_F(FreeDbFixture, QueryStatusesThatEndTheLookup) {
    struct Case {
        QByteArray answer;
        QString message;
    } cases[] = {
        {"202 No match for disc ID 7a0b3c0d.\r\n", "No results in freedb"},
        {"401 Permission denied.\r\n", ""},
        {"403 Database entry is corrupt.\r\n", ""},
        {"409 No handshake.\r\n", ""},
        {"", "No response"},
        {"200 rock\r\n", "No response"},
        {"200 ../etc 7a0b3c0d Title\r\n", "No response"},
        {"200 rock 7a0b3c0d&cmd=x Title\r\n", "No response"},
        {"<html><body>Service unavailable</body></html>", "No response"},
        {"210 Found exact matches\r\n.\r\n", "No response"},
    };
    for (const Case& c : cases) {
        server.QueryAnswer = c.answer;
        server.http.ClearRequests();
        const TFreeDbClient::TLookup lookup = Query();
        EXPECT_FALSE(lookup.Read) << c.answer.toStdString();
        EXPECT_EQ(lookup.Message, c.message) << c.answer.toStdString();
        EXPECT_EQ(Targets().size(), 1) << c.answer.toStdString();
    }
    EXPECT_TRUE(pickerCalls.isEmpty());
}

TEST_F(FreeDbFixture, ReadStatusesThatGiveNoEntry) {
    server.QueryAnswer = "200 rock 7a0b3c0d Some Artist / Some Album\r\n";
    struct Case {
        QByteArray answer;
        QString message;
    } cases[] = {
        {"401 rock 7a0b3c0d No such CD entry in database.\r\n", "CD not found in freedb"},
        {"403 Database entry is corrupt.\r\n", "CD not found in freedb"},
        {"211 Found inexact matches\r\n", "Found more then one CD"},
        {"500 Internal error\r\n", ""},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), ""},
    };
    for (const Case& c : cases) {
        server.ReadAnswers["rock 7a0b3c0d"] = c.answer;
        const TFreeDbClient::TLookup lookup = Query();
        EXPECT_FALSE(lookup.Read) << c.answer.toStdString();
        EXPECT_EQ(lookup.Message, c.message) << c.answer.toStdString();
    }
}

TEST_F(FreeDbFixture, NoConnectionNoRequest) {
    connection.Connected = false;
    const TFreeDbClient::TLookup lookup = Query();
    EXPECT_FALSE(lookup.Read);
    EXPECT_TRUE(lookup.Message.isEmpty());
    EXPECT_TRUE(Targets().isEmpty());
    connection.Connected = true;
    EXPECT_FALSE(client.QueryDisc("", {}).Read);
    EXPECT_TRUE(Targets().isEmpty());
}

TEST(FreeDbClient, NetworkFailuresEndQuietly) {
    TRawSocketServer silent({}, false);
    TRawSocketServer cutOff("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n200 rock 7a0b3c0d", true);
    TCurlHttpClient http(10s, 1s);
    TFakeConnection connection;
    for (const QString& host : {silent.Host(), cutOff.Host()}) {
        TFreeDbClient client(http, connection, host);
        const TFreeDbClient::TLookup lookup = client.QueryDisc(discId, {});
        EXPECT_FALSE(lookup.Read);
        EXPECT_TRUE(lookup.Message.isEmpty());
        EXPECT_FALSE(lookup.Failure);
    }
}

TEST(FreeDbAnswers, EntriesAsTheCddbFormatWritesThem) {
    const QByteArray entry = "210 misc 12345678 entry follows\n"
                             "# DTITLE=not this one\n"
                             "DTITLE=A long artist name / A long album ti\n"
                             "DTITLE=tle that goes on\n"
                             "TTITLE0=Caf\xc3\xa9 \\\\ Bar\\nNext\n"
                             "TTITLE1=Two\n"
                             "EXTT0=TTITLE5=not a title\n"
                             "TTITLE3=after a gap\n"
                             ".\n"
                             "TTITLE2=after the end\n";
    const TFreeDbAnswers::TRead read = TFreeDbAnswers::ParseRead(entry);
    ASSERT_EQ(read.Result, TFreeDbAnswers::TRead::Found);
    EXPECT_EQ(read.Entry.Artist, "A long artist name");
    EXPECT_EQ(read.Entry.Album, "A long album title that goes on");
    // No DGENRE and no DYEAR: the titles are read all the same, genre and year stay empty.
    EXPECT_EQ(read.Entry.Genre, "");
    EXPECT_EQ(read.Entry.Year, "");
    EXPECT_EQ(read.Entry.Titles, QStringList({QString::fromUtf8("Caf\xc3\xa9 \\ Bar Next"), "Two"}));
}

TEST(FreeDbAnswers, HostileAnswersGiveNoEntryAndNoCrash) {
    QByteArray huge = "210 rock 7a0b3c0d entry\r\n";
    while (huge.size() < 10 * 1024 * 1024)
        huge += "TTITLE99999999999=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\r\nDTITLE=yy\r\n";
    const TFreeDbAnswers::TRead read = TFreeDbAnswers::ParseRead(huge);
    EXPECT_EQ(read.Result, TFreeDbAnswers::TRead::Found);
    EXPECT_TRUE(read.Entry.Titles.isEmpty());
    QByteArray manyMatches = "211 inexact\r\n";
    for (int i = 0; i < 5000; ++i)
        manyMatches += "rock 7a0b3c0d Title\r\n";
    EXPECT_EQ(TFreeDbAnswers::ParseQuery(manyMatches).Matches.size(), TFreeDbAnswers::MaxMatches);
    EXPECT_EQ(TFreeDbAnswers::ParseRead(QByteArray(64, '\0')).Result, TFreeDbAnswers::TRead::NoEntry);
}
