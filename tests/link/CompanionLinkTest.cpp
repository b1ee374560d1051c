#include "TCompanionReceiver.h"
#include "common/TTestDir.h"
#include "link/CompanionMessage.h"
#include "link/TCompanionLink.h"
#include "link/TLocalSocketConnector.h"
#include "services/TDetachedProgramStarter.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {
const QStringList threePaths = {"/Sounds/SFX/Door slam.wav", "/Sounds/SFX/Vögel im Wald.wav",
                                "/Sounds/Music/01 Intro.mp3"};

// Records what it was asked to start and starts nothing.
struct TRecordingStarter : IProgramStarter {
    bool Start(const QString& program, const QString&) override {
        Started.append(program);
        return Answer;
    }
    QStringList Started;
    bool Answer = true;
};

// Runs the event loop until `done` holds; gives up after 10 s so that a fault fails, not hangs.
template <typename TCondition> bool SpinUntil(TCondition done) {
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    tick.start(5);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

struct CompanionLink : ::testing::Test {
    QString serverName = UniqueCompanionName();
    TLocalSocketConnector connector{serverName};
    TRecordingStarter starter;
    TCompanionWait shortWait{std::chrono::milliseconds(10), std::chrono::milliseconds(100)};
    std::optional<TResult> result;

    void Send(TCompanionLink& link, const QStringList& paths, const QString& executable) {
        link.OnFinished = [this](const TResult& answer) { result = answer; };
        link.SendToCompanion(paths, executable);
        ASSERT_TRUE(SpinUntil([this] { return result.has_value(); }));
    }
};
} // namespace

TEST(CompanionMessage, EachPathIsALineEndedByCrLfThenOneZeroByte) {
    struct TCase {
        QStringList paths;
        QByteArray text;
    };
    const TCase cases[] = {
        {threePaths, "/Sounds/SFX/Door slam.wav\r\n/Sounds/SFX/V\xc3\xb6gel im Wald.wav\r\n"
                     "/Sounds/Music/01 Intro.mp3\r\n" + QByteArray(1, '\0')},
        {{}, QByteArray(1, '\0')},
        {{"/a b/c.wav"}, QByteArray("/a b/c.wav\r\n") + '\0'},
    };
    for (const TCase& c : cases) {
        const QByteArray message = CompanionMessage::Build(c.paths);
        const TCompanionMessageParts parts = SplitCompanionMessage(message);
        EXPECT_EQ(parts.Tag, 0u);
        EXPECT_EQ(parts.Text, c.text);
        EXPECT_EQ(parts.ByteCount, quint32(c.text.size())); // the text's length + 1
        EXPECT_EQ(message.size(), 8 + c.text.size());
    }
    EXPECT_EQ(CompanionMessage::Build({}).toHex(), "000000000100000000"); // count 1: the zero
}

TEST_F(CompanionLink, ARunningCompanionGetsThreeLinesAtOnceWithoutAStart) {
    TCompanionReceiver receiver(serverName);
    ASSERT_TRUE(receiver.Listening());
    TCompanionLink link(connector, starter);
    Send(link, threePaths, "/nowhere/Sonaphor");
    ASSERT_TRUE(result->IsOk()) << qPrintable(result->ErrorText());
    ASSERT_TRUE(SpinUntil([&] { return receiver.Messages.size() == 1; }));
    const TCompanionMessageParts parts = SplitCompanionMessage(receiver.Messages[0]);
    EXPECT_EQ(parts.Tag, 0u);
    EXPECT_EQ(parts.Text.count("\r\n"), 3);
    EXPECT_TRUE(parts.Text.endsWith("01 Intro.mp3\r\n" + QByteArray(1, '\0')));
    EXPECT_EQ(parts.ByteCount, quint32(parts.Text.size()));
    EXPECT_TRUE(starter.Started.isEmpty());
}

TEST_F(CompanionLink, NothingMarkedStillSendsTheZeroByteAlone) {
    TCompanionReceiver receiver(serverName);
    TCompanionLink link(connector, starter);
    Send(link, {}, QString());
    ASSERT_TRUE(result->IsOk());
    ASSERT_TRUE(SpinUntil([&] { return receiver.Messages.size() == 1; }));
    const TCompanionMessageParts parts = SplitCompanionMessage(receiver.Messages[0]);
    EXPECT_EQ(parts.ByteCount, 1u);
    EXPECT_EQ(parts.Text, QByteArray(1, '\0'));
}

TEST_F(CompanionLink, NotRunningWithoutAnExecutableAsksTheUserToStartItAtOnce) {
    TTestDir dir; // a folder without Sonaphor in it
    for (const QString& folder : {QString("Not set"), QString(), dir.Path()}) {
        SCOPED_TRACE(folder.toStdString());
        result.reset();
        TCompanionLink link(connector, starter, TCompanionWait{});
        Send(link, threePaths, TCompanionLink::Executable(folder));
        EXPECT_EQ(result->ErrorText(), "Please start Sonaphor");
        EXPECT_FALSE(link.Waiting()); // no wait for a program that was never started
    }
    EXPECT_TRUE(starter.Started.isEmpty());
}

TEST_F(CompanionLink, AStartedCompanionThatNeverListensEndsInThePlea) {
    TTestDir dir;
    const QString executable = dir.Write("Sonaphor", "#!/bin/sh\n");
    TCompanionLink link(connector, starter, shortWait);
    Send(link, threePaths, executable);
    EXPECT_EQ(starter.Started, QStringList{executable});
    EXPECT_EQ(result->ErrorText(), "Please start Sonaphor");
}

TEST_F(CompanionLink, AProgramThatFailsToStartEndsInThePlea) {
    TTestDir dir;
    const QString executable = dir.Write("Sonaphor", "not a program");
    starter.Answer = false;
    TCompanionLink link(connector, starter, shortWait);
    Send(link, threePaths, executable);
    EXPECT_EQ(result->ErrorText(), "Please start Sonaphor");
}

TEST_F(CompanionLink, TheExecutableIsTheFolderAndSonaphor) {
    EXPECT_EQ(TCompanionLink::Executable("/opt/Sonaphor/"), "/opt/Sonaphor/Sonaphor");
    EXPECT_EQ(TCompanionLink::Executable("/opt/Sonaphor"), "/opt/Sonaphor/Sonaphor");
    EXPECT_EQ(TCompanionLink::Executable("Not set"), QString());
}

// The real path: nothing listens, the program in the companion folder is started (a script
// that takes a moment before it listens) and the message follows once it does.
TEST_F(CompanionLink, NotRunningStartsTheCompanionAndDeliversOnceItListens) {
    TTestDir dir;
    const QString received = dir.File("received.bin");
    const QString executable = dir.Write("Sonaphor", QString("#!/bin/sh\nsleep 0.3\nexec \"%1\" \"%2\" \"%3\"\n")
                                                         .arg(FAKE_SONAPHOR, serverName, received)
                                                         .toUtf8());
    QFile::setPermissions(executable, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TDetachedProgramStarter realStarter;
    TCompanionLink link(connector, realStarter);
    bool waitedMeanwhile = false;
    link.OnFinished = [&](const TResult& answer) { result = answer; };
    link.SendToCompanion(threePaths, TCompanionLink::Executable(dir.Path()));
    ASSERT_TRUE(SpinUntil([&] {
        waitedMeanwhile = waitedMeanwhile || link.Waiting(); // the event loop ran while it waited
        return result.has_value();
    }));
    ASSERT_TRUE(result->IsOk()) << qPrintable(result->ErrorText());
    EXPECT_TRUE(waitedMeanwhile);
    ASSERT_TRUE(SpinUntil([&] { return QFileInfo::exists(received); }));
    QFile file(received);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), CompanionMessage::Build(threePaths));
}

TEST_F(CompanionLink, ASecondSendWhileWaitingSendsTheLatestPathsOnce) {
    TTestDir dir;
    const QString executable = dir.Write("Sonaphor", "#!/bin/sh\n");
    TCompanionWait wait{std::chrono::milliseconds(20), std::chrono::milliseconds(5000)};
    TCompanionLink link(connector, starter, wait);
    link.OnFinished = [&](const TResult& answer) { result = answer; };
    link.SendToCompanion({"/first.wav"}, executable);
    ASSERT_TRUE(SpinUntil([&] { return link.Waiting(); }));
    link.SendToCompanion({"/second.wav"}, executable);
    TCompanionReceiver receiver(serverName); // the started companion comes up
    ASSERT_TRUE(SpinUntil([&] { return result.has_value() && receiver.Messages.size() == 1; }));
    EXPECT_TRUE(result->IsOk());
    EXPECT_EQ(starter.Started.size(), 1);
    EXPECT_EQ(SplitCompanionMessage(receiver.Messages[0]).Text, QByteArray("/second.wav\r\n") + '\0');
}

// A companion that accepts and never reads: the send ends with the plea after the attempt's
// time limit, and a later send is a new attempt rather than being merged into the stuck one.
TEST_F(CompanionLink, ACompanionThatNeverReadsEndsInThePleaAndFreesTheNextSend) {
    // Listens, so that connecting succeeds, and never accepts or reads.
    const QByteArray socketPath = QFile::encodeName(QDir::temp().filePath(serverName));
    const int stuck = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(stuck, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), qsizetype(sizeof(address.sun_path)));
    memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(stuck, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(stuck, 4), 0);
    QStringList manyPaths; // more than the socket's buffers hold
    for (int i = 0; i < 20000; ++i)
        manyPaths.append(QString("/Sounds/Library/Rain and wind number %1 at night.wav").arg(i));
    TCompanionLink link(connector, starter);
    Send(link, manyPaths, "/nowhere/Sonaphor");
    EXPECT_EQ(result->ErrorText(), TCompanionLink::NotRunningText);
    ::close(stuck);
    QFile::remove(QFile::decodeName(socketPath));
    result.reset();
    TCompanionReceiver receiver(serverName);
    ASSERT_TRUE(receiver.Listening());
    Send(link, threePaths, "/nowhere/Sonaphor");
    EXPECT_TRUE(result->IsOk());
}
