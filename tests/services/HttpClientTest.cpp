#include "services/TCurlHttpClient.h"
#include "services/TWaitingHttpClient.h"

#include "TLocalHttpServer.h"
#include "TRawSocketServer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {
QByteArray Url(const QString& host, const QByteArray& target) {
    return "http://" + host.toUtf8() + target;
}
} // namespace

TEST(CurlHttpClient, SendsTheTargetAndBodyByteForByte) {
    TLocalHttpServer server;
    server.Reply = [](const TLocalHttpServer::TRequest&) {
        return TLocalHttpServer::TAnswer{200, QByteArray("bin\0ary \xff", 9), "text/plain"};
    };
    TCurlHttpClient client;
    const QByteArray target =
        "/~cddb/cddb.cgi?cmd=cddb+query+a+b&hello=x+y+\"Sonaphor+Sonaphor_CdRipper\"+1.0&p=%2e/../"
        "caf\xc3\xa9";
    THttpRequest get{"GET", Url(server.Host(), target), {}, {{"Accept", "text/html, */*"}}};
    const THttpReply reply = client.Send(get);
    ASSERT_TRUE(reply.Outcome) << reply.Outcome.ErrorText().toStdString();
    EXPECT_EQ(reply.Status, 200);
    EXPECT_EQ(reply.Body, QByteArray("bin\0ary \xff", 9));

    THttpRequest post{"POST", Url(server.Host(), "/add"), "A=%2520b&C=d", {{"Content-Type", "application/x-www-form-urlencoded"}}};
    ASSERT_TRUE(client.Send(post).Outcome);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].Target, target);
    EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
    EXPECT_EQ(requests[1].Method, "POST");
    EXPECT_EQ(requests[1].Body, "A=%2520b&C=d");
    EXPECT_EQ(requests[1].Header("Content-Type"), "application/x-www-form-urlencoded");
}

TEST(CurlHttpClient, ErrorStatusesAndRedirectsFail) {
    TLocalHttpServer server;
    server.Reply = [](const TLocalHttpServer::TRequest& request) {
        if (request.Target == "/moved")
            return TLocalHttpServer::TAnswer{302, "elsewhere", "text/plain"};
        return TLocalHttpServer::TAnswer{404, "not here", "text/plain"};
    };
    TCurlHttpClient client;
    const THttpReply missing = client.Get(Url(server.Host(), "/missing"));
    EXPECT_FALSE(missing.Outcome);
    EXPECT_EQ(missing.Status, 404);
    EXPECT_TRUE(missing.Body.isEmpty());
    EXPECT_TRUE(missing.Outcome.ErrorText().contains("404"));
    EXPECT_FALSE(client.Get(Url(server.Host(), "/moved")).Outcome);
    EXPECT_EQ(server.Requests().size(), 2); // the redirect was not followed
}

TEST(CurlHttpClient, NoServerAndBadUrlsFailWithAReason) {
    TCurlHttpClient client;
    int freePort = 0;
    {
        TLocalHttpServer gone;
        freePort = gone.Port();
    }
    const THttpReply refused = client.Get(Url(QString("127.0.0.1:%1").arg(freePort), "/"));
    EXPECT_FALSE(refused.Outcome);
    EXPECT_FALSE(refused.Outcome.ErrorText().isEmpty());
    EXPECT_FALSE(client.Get("file:///etc/passwd").Outcome);
    EXPECT_FALSE(client.Get("http://127.0.0.1:1/a b").Outcome);
}

TEST(CurlHttpClient, AServerThatNeverAnswersEndsInTime) {
    TRawSocketServer silent({}, false);
    TCurlHttpClient client(10'000ms, 1'000ms);
    QElapsedTimer timer;
    timer.start();
    const THttpReply reply = client.Get(Url(silent.Host(), "/"));
    EXPECT_FALSE(reply.Outcome);
    EXPECT_LT(timer.elapsed(), 5'000);
    EXPECT_GE(timer.elapsed(), 900);
}

TEST(CurlHttpClient, TheDefaultTimeOutsAreTenAndThirtySeconds) {
    EXPECT_EQ(TCurlHttpClient::DefaultConnectTimeout, 10s);
    EXPECT_EQ(TCurlHttpClient::DefaultRequestTimeout, 30s);
}

TEST(CurlHttpClient, AnAnswerCutOffMidWayFails) {
    TRawSocketServer cutOff("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n210 rock 7a0b3c0d\r\nDTI", true);
    TCurlHttpClient client;
    const THttpReply reply = client.Get(Url(cutOff.Host(), "/"));
    EXPECT_FALSE(reply.Outcome);
    EXPECT_TRUE(reply.Body.isEmpty());
}

TEST(CurlHttpClient, AnAnswerAboveTheLimitIsRefused) {
    TLocalHttpServer server;
    server.Reply = [](const TLocalHttpServer::TRequest&) {
        return TLocalHttpServer::TAnswer{200, QByteArray(3 * 1024 * 1024, 'x'), "text/plain"};
    };
    TCurlHttpClient client(10s, 30s, 1024 * 1024);
    const THttpReply reply = client.Get(Url(server.Host(), "/"));
    EXPECT_FALSE(reply.Outcome);
    EXPECT_TRUE(reply.Outcome.ErrorText().contains("larger than 1 MB"));
    EXPECT_EQ(TCurlHttpClient(10s, 30s).Get(Url(server.Host(), "/")).Body.size(), 3 * 1024 * 1024);
}

TEST(WaitingHttpClient, TimersRunWhileARequestWaitsAndCannotStartAnother) {
    TRawSocketServer slow({}, false);
    TWaitingHttpClient client(std::make_shared<TCurlHttpClient>(10'000ms, 600ms));
    int ticks = 0;
    bool nestedRefused = false;
    QTimer timer;
    timer.setInterval(50);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        EXPECT_TRUE(TWaitingHttpClient::RequestRunning());
        const THttpReply nested = client.Get(Url(slow.Host(), "/nested"));
        nestedRefused = !nested.Outcome && nested.Outcome.ErrorText().contains("still running");
    });
    timer.start();
    const THttpReply reply = client.Get(Url(slow.Host(), "/"));
    timer.stop();
    EXPECT_FALSE(reply.Outcome); // the time-out
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(nestedRefused);
    EXPECT_FALSE(TWaitingHttpClient::RequestRunning());
}

TEST(WaitingHttpClient, HandsTheAnswerBack) {
    TLocalHttpServer server;
    server.Reply = [](const TLocalHttpServer::TRequest&) {
        return TLocalHttpServer::TAnswer{200, "fine", "text/plain"};
    };
    TWaitingHttpClient client(std::make_shared<TCurlHttpClient>());
    const THttpReply reply = client.Get(Url(server.Host(), "/x"));
    EXPECT_TRUE(reply.Outcome);
    EXPECT_EQ(reply.Body, "fine");
}
