#include "services/TCurlHttpClient.h"
#include "services/TSfxDbClient.h"
#include "services/TSfxDbDocument.h"

#include "common/TTestDir.h"
#include "TFakeConnection.h"
#include "TLocalHttpServer.h"
#include "TSfxDbServerProcess.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
const QByteArray library = R"(<?xml version="1.0" encoding="UTF-8"?>
<SFXdb>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Big Bangs 2 - Vol. 1 (disc 2)?</CD>
    <ID>11</ID><Lang>English</Lang><TrackNames>Boom
Crash</TrackNames><DiscId>7a0b3c0d</DiscId></Record>
  <Record><Prod>Sound Ideas</Prod><Series>Big Bangs</Series><CD>Alpha</CD><ID>12</ID>
    <Lang>German</Lang><TrackNames>Eins</TrackNames></Record>
  <Record><Prod>Hollywood Edge</Prod><Series>Cartoon</Series><CD>Zany</CD><ID>13</ID>
    <Lang>english</Lang></Record>
  <Record><Prod></Prod><Series>Loose</Series><CD>Orphan</CD><ID>14</ID><Lang></Lang></Record>
</SFXdb>
)";

const TSfxTreeNode* Child(const QList<TSfxTreeNode>& nodes, const QString& text) {
    for (const TSfxTreeNode& node : nodes)
        if (node.Text == text)
            return &node;
    return nullptr;
}

QStringList Texts(const QList<TSfxTreeNode>& nodes) {
    QStringList texts;
    for (const TSfxTreeNode& node : nodes)
        texts.append(node.Text);
    return texts;
}

// A database server with the library above, and clients of it as separate program runs.
struct SfxDbFixture : ::testing::Test {
    TTestDir dir;
    QString database = dir.File("studio.sqlite");
    bool imported = TSfxDbServerProcess::Run({"--database", database, "--import",
                                              dir.Write("library.xml", library)}) == 0;
    TSfxDbServerProcess server{database};
    TCurlHttpClient http{10s, 10s};
    TFakeConnection connection;
    QString host = server.Host();
    QString programFolder = dir.MakeFolder("program");
    int cddbVersion = 0;

    std::unique_ptr<TSfxDbClient> NewRun() {
        return std::make_unique<TSfxDbClient>(http, connection, [this] { return host; },
                                              programFolder, cddbVersion);
    }
    void SetUp() override {
        ASSERT_TRUE(imported);
        ASSERT_TRUE(server.Started());
        server.ClearRequests();
    }
};
} // namespace

TEST_F(SfxDbFixture, TheCacheFollowsTheServersRevision) {
    auto run = NewRun();
    TSfxDbClient::TSearch search = run->Search("", "", "");
    EXPECT_TRUE(search.Found);
    EXPECT_FALSE(search.Single);
    EXPECT_EQ(search.Error, "");
    EXPECT_EQ(server.Requests(), QByteArrayList({"GET /Trackmoth/cddb/v2/qVersion.asp",
                                                 "GET /Trackmoth/cddb/v2/qDB.asp"}));
    EXPECT_EQ(cddbVersion, 1);
    ASSERT_TRUE(QFile::exists(run->CachePath()));
    EXPECT_EQ(run->CachePath(), programFolder + "/cddb.xml");

    // The revision was asked in this run and the cache is there: no request at all.
    server.ClearRequests();
    search = run->Search("", "", "");
    EXPECT_TRUE(search.Found);
    EXPECT_EQ(Texts(search.Tree.Nodes), QStringList({"Hollywood Edge", "Loose", "Sound Ideas"}));
    EXPECT_TRUE(server.Requests().isEmpty());

    // The next run asks the revision once; it is the cache's, so nothing is downloaded.
    auto nextRun = NewRun();
    EXPECT_TRUE(nextRun->Search("", "", "").Found);
    EXPECT_TRUE(nextRun->Search("", "", "").Found);
    EXPECT_EQ(server.Requests(), QByteArrayList({"GET /Trackmoth/cddb/v2/qVersion.asp"}));

    // A change on the server raises its revision: the run after downloads the database anew.
    ASSERT_TRUE(nextRun->AddDisc("New", "Series", "Fresh CD", "01020304", {"One"}));
    server.ClearRequests();
    auto laterRun = NewRun();
    search = laterRun->Search("", "", "");
    EXPECT_EQ(cddbVersion, 2);
    EXPECT_EQ(server.Count("qDB.asp"), 1);
    EXPECT_TRUE(QFile(laterRun->CachePath()).open(QIODevice::ReadOnly));
    EXPECT_NE(Child(search.Tree.Nodes, "New"), nullptr);
}

TEST_F(SfxDbFixture, WithoutACacheTheRevisionIsAskedAtEverySearch) {
    cddbVersion = 5; // above the server's: nothing is downloaded, so no cache is written
    auto run = NewRun();
    run->Search("Sound Ideas", "", "");
    run->Search("Sound Ideas", "", "");
    EXPECT_EQ(server.Count("qVersion.asp"), 2);
    EXPECT_EQ(server.Count("qDB.asp?Producer=Sound%20Ideas&CD=&Series="), 2);
    EXPECT_FALSE(QFile::exists(run->CachePath()));
}

TEST_F(SfxDbFixture, OneMatchIsLoadedAtOnce) {
    auto run = NewRun();
    const TSfxDbClient::TSearch search = run->Search("", "", "Big Bangs 2 - Vol. 1 (disc 2)?");
    EXPECT_TRUE(search.Found);
    EXPECT_TRUE(search.Single);
    EXPECT_TRUE(search.Tree.Nodes.isEmpty());
    EXPECT_EQ(run->DbId, 11);
    EXPECT_EQ(run->CD, "Big Bangs 2 - Vol. 1 (disc 2)?");
    EXPECT_EQ(run->Series, "Big Bangs");
    EXPECT_EQ(run->Producer, "Sound Ideas");
    EXPECT_EQ(run->TrackNames, QStringList({"Boom", "Crash"}));
    const QByteArrayList requests = server.Requests();
    ASSERT_EQ(requests.size(), 4);
    EXPECT_EQ(requests[2], "GET /Trackmoth/cddb/v2/qDB.asp?Producer=&CD=Big%20Bangs%202%20%2d%20"
                           "Vol%2e%201%20%28disc%202%29%3F&Series=");
    EXPECT_EQ(requests[3], "GET /Trackmoth/cddb/v2/TracksFromDbid.asp?ID=11");
}

TEST_F(SfxDbFixture, SeveralMatchesMakeAProducerSeriesCdTree) {
    auto run = NewRun();
    const TSfxDbClient::TSearch search = run->Search("", "Big Bangs", "");
    ASSERT_TRUE(search.Found);
    EXPECT_FALSE(search.Single);
    ASSERT_EQ(search.Tree.Nodes.size(), 1);
    const TSfxTreeNode& producer = search.Tree.Nodes[0];
    EXPECT_EQ(producer.Text, "Sound Ideas");
    EXPECT_EQ(producer.Tag, -1);
    ASSERT_EQ(producer.Children.size(), 1);
    const TSfxTreeNode& series = producer.Children[0];
    EXPECT_EQ(series.Text, "Big Bangs");
    EXPECT_EQ(series.Tag, -1);
    ASSERT_EQ(series.Children.size(), 2);
    EXPECT_EQ(series.Children[0].Text, "Alpha (German)");
    EXPECT_EQ(series.Children[0].Tag, 12);
    EXPECT_EQ(series.Children[1].Text, "Big Bangs 2 - Vol. 1 (disc 2)?");
    EXPECT_EQ(series.Children[1].Tag, 11);
    EXPECT_EQ(run->DbId, -1); // nothing chosen yet
}

TEST_F(SfxDbFixture, NoMatchIsNoResultAndNoMessage) {
    const TSfxDbClient::TSearch search = NewRun()->Search("Nobody", "", "");
    EXPECT_FALSE(search.Found);
    EXPECT_EQ(search.Error, "");
}

TEST_F(SfxDbFixture, DiscIdsAreLinkedAndFound) {
    auto run = NewRun();
    int id = -5;
    EXPECT_TRUE(run->FindDbIdForDisc("7a0b3c0d 3 150 20000 40000 2000", id));
    EXPECT_EQ(id, 11);
    EXPECT_FALSE(run->FindDbIdForDisc("0badf00d 1 150 200", id));
    EXPECT_EQ(id, 0);
    EXPECT_TRUE(run->LinkDisc(13, "0badf00d 1 150 200"));
    EXPECT_TRUE(run->FindDbIdForDisc("0badf00d 1 150 200", id));
    EXPECT_EQ(id, 13);
    EXPECT_EQ(server.Requests(),
              QByteArrayList({"GET /Trackmoth/cddb/v2/DBidFromCDid.asp?CDID=7a0b3c0d",
                              "GET /Trackmoth/cddb/v2/DBidFromCDid.asp?CDID=0badf00d",
                              "GET /Trackmoth/cddb/v2/UpdateCDDBid.asp?CDDBid=0badf00d&ID=13",
                              "GET /Trackmoth/cddb/v2/DBidFromCDid.asp?CDID=0badf00d"}));
    EXPECT_FALSE(run->LinkDisc(999, "0badf00d")); // no such record
}

TEST_F(SfxDbFixture, AnAddedCdComesBackAsItWasSent) {
    auto run = NewRun();
    const QString title = "Big Bangs 2 - Vol. 1 (disc 2)? \"A&B\" 100% +1 #3 <x> [y] *";
    const QStringList tracks = {QString::fromUtf8("Caf\xc3\xa9 door, slam"), "Glass = break",
                                "Tab\tand  blanks"};
    ASSERT_TRUE(run->AddDisc("Sound Ideas", "Series\xe2\x84\xa2", title, "feedbeef 2 150 999", tracks));
    int id = 0;
    ASSERT_TRUE(run->FindDbIdForDisc("feedbeef", id));
    ASSERT_TRUE(run->LoadTracks(id));
    EXPECT_EQ(run->CD, title);
    EXPECT_EQ(run->Series, "Series\xe2\x84\xa2");
    EXPECT_EQ(run->TrackNames, QStringList({QString::fromUtf8("Caf\xc3\xa9 door, slam"),
                                            "Glass = break", "Tab and  blanks"}));
    // A filtered search with the same troublesome title finds it.
    EXPECT_TRUE(run->Search("", "", title).Single);
    EXPECT_EQ(run->DbId, id);
}

TEST_F(SfxDbFixture, TenThousandTrackNamesArrive) {
    auto run = NewRun();
    QStringList names;
    for (int i = 0; i < 10'000; ++i)
        names.append(QString("Track %1").arg(i));
    const TResult added = run->AddDisc("P", "S", "Huge", "abcdef01", names);
    ASSERT_TRUE(added) << added.ErrorText().toStdString();
    int id = 0;
    ASSERT_TRUE(run->FindDbIdForDisc("abcdef01", id));
    run->LoadTracks(id);
    EXPECT_EQ(run->TrackNames.size(), 10'000);
    EXPECT_EQ(run->TrackNames.last(), "Track 9999");
}

TEST_F(SfxDbFixture, ResetForgetsAllButTheProducer) {
    auto run = NewRun();
    run->Search("", "", "Alpha");
    ASSERT_EQ(run->DbId, 12);
    run->ResetSelection();
    EXPECT_EQ(run->DbId, -1);
    EXPECT_EQ(run->CD, "");
    EXPECT_EQ(run->Series, "");
    EXPECT_TRUE(run->TrackNames.isEmpty());
    EXPECT_EQ(run->Producer, "Sound Ideas");
}

TEST_F(SfxDbFixture, NoConnectionOrNoServerSendsNothing) {
    connection.Connected = false;
    auto run = NewRun();
    int id = 0;
    EXPECT_FALSE(run->Search("Sound Ideas", "", "").Found);
    EXPECT_FALSE(run->LoadTracks(11));
    EXPECT_FALSE(run->FindDbIdForDisc("7a0b3c0d", id));
    EXPECT_TRUE(server.Requests().isEmpty());
    connection.Connected = true;
    host = "  ";
    EXPECT_FALSE(run->HasServer());
    EXPECT_EQ(run->Search("Sound Ideas", "", "").Error, TSfxDbClient::NoServerMessage);
    EXPECT_FALSE(run->AddDisc("a", "b", "c", "d", {}));
    EXPECT_TRUE(server.Requests().isEmpty());
}

namespace {
// A client of a recording server, to see the bytes on the wire and to send odd answers.
struct RecordingFixture : ::testing::Test {
    TLocalHttpServer server;
    TCurlHttpClient http;
    TFakeConnection connection;
    TTestDir dir;
    int version = 0;
    TSfxDbClient client{http, connection, [this] { return server.Host(); }, dir.Path(), version};
};
} // namespace

TEST_F(RecordingFixture, ThePostedFormIsEncodedTwiceOnTheWire) {
    ASSERT_TRUE(client.AddDisc("Sound Ideas", "Big Bangs", "Big Bangs 2 - Vol. 1 (disc 2)?",
                               "7a0b3c0d 3 150", {"Boom", "Crash"}));
    ASSERT_TRUE(client.LinkDisc(42, "7a0b3c0d 3 150"));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].Method, "POST");
    EXPECT_EQ(requests[0].Target, "/Trackmoth/cddb/v2/softDoAddCD.asp");
    EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(requests[0].Body,
              "Series=Big%2520Bangs"
              "&CD=Big%2520Bangs%25202%2520%252d%2520Vol%252e%25201%2520%2528disc%25202%2529%253F"
              "&Producer=Sound%2520Ideas&CDid=7a0b3c0d&Lang=English"
              "&Tracks=Boom%250D%250ACrash%250D%250A");
    EXPECT_EQ(requests[1].Target, "/Trackmoth/cddb/v2/UpdateCDDBid.asp?CDDBid=7a0b3c0d&ID=42");
}

TEST_F(RecordingFixture, HostileAnswersGiveAReasonAndNoResult) {
    QByteArray revision = "<Version><Rev>1</Rev></Version>\n";
    QByteArray database;
    QByteArray tracks = "<Tracks><CD>X</CD></Tracks>";
    server.Reply = [&](const TLocalHttpServer::TRequest& request) {
        TLocalHttpServer::TAnswer answer;
        if (request.Target.contains("qVersion"))
            answer.Body = revision;
        else if (request.Target.contains("TracksFromDbid"))
            answer.Body = tracks;
        else
            answer.Body = database;
        return answer;
    };
    struct Case {
        QByteArray revision;
        QByteArray database;
        const char* error;
    } cases[] = {
        {"<Version><Rev>many</Rev></Version>\n", "", "is no number"},
        {"<Version><Rev>1</Rev>", "", "not readable XML"},
        {"<Version><Rev>1</Rev></Version>\n", "<SFXdb>\n<Record><Prod>P</Prod>", "not readable XML"},
        {"<Version/>\n", "<SFXdb>\n<Record><Prod>P</Prod><Series>S</Series></Record></SFXdb>",
         "no CD title and database id"},
        {"<Version/>\n", "<SFXdb>\n<Record><CD>C</CD><ID>x1</ID></Record></SFXdb>",
         "no CD title and database id"},
    };
    for (const Case& c : cases) {
        revision = c.revision;
        database = c.database;
        client.RevisionChecked = false;
        const TSfxDbClient::TSearch search = client.Search("P", "", "");
        EXPECT_FALSE(search.Found) << c.error;
        EXPECT_TRUE(search.Error.contains(c.error)) << search.Error.toStdString();
    }
    // Two records, one with an id that is no number: the other is offered, the bad one named.
    revision = "<Version/>\n";
    database = "<SFXdb>\n<Record><Prod>P</Prod><Series>S</Series><CD>Good</CD><ID>3</ID><Lang/></Record>"
               "<Record><Prod>P</Prod><Series>S</Series><CD>Bad</CD><ID>three</ID><Lang/></Record>"
               "</SFXdb>";
    const TSfxDbClient::TSearch search = client.Search("P", "", "");
    EXPECT_TRUE(search.Found);
    EXPECT_TRUE(search.Error.contains("\"three\""));
    ASSERT_EQ(search.Tree.Nodes.size(), 1);
    EXPECT_EQ(search.Tree.Nodes[0].Children[0].Children.size(), 1);
    // A tracks answer that does not parse leaves the choice but brings no names.
    tracks = "<Tracks><TrackNames>a\nb";
    EXPECT_TRUE(client.LoadTracks(3));
    EXPECT_EQ(client.DbId, 3);
    EXPECT_TRUE(client.TrackNames.isEmpty());
}
