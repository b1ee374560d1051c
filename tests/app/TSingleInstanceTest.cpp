#include "app/TSingleInstance.h"

#include "common/TTestDir.h"

#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// What a crashed copy leaves behind: a socket file that no one listens on.
void LeaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    ASSERT_LT(bytes.size(), qsizetype(sizeof(address.sun_path)));
    memcpy(address.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

using EClaim = TSingleInstance::EClaim;
} // namespace

TEST(TSingleInstance, ASecondCopyAsksTheFirstToComeToTheFront) {
    TTestDir dir;
    TSingleInstance first(dir.File("instance"));
    QSignalSpy activations(&first, &TSingleInstance::ActivationRequested);
    ASSERT_EQ(first.Claim(), EClaim::First);

    TSingleInstance second(dir.File("instance"));
    EXPECT_EQ(second.Claim(), EClaim::OtherRunning);
    EXPECT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.count(), 1);

    TSingleInstance third(dir.File("instance"));
    EXPECT_EQ(third.Claim(), EClaim::OtherRunning);
    EXPECT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.count(), 2);
}

TEST(TSingleInstance, TheFilesGivenToASecondCopyReachTheFirst) {
    TTestDir dir;
    TSingleInstance first(dir.File("instance"));
    QSignalSpy activations(&first, &TSingleInstance::ActivationRequested);
    ASSERT_EQ(first.Claim(), EClaim::First);
    const QStringList paths = {"/sounds/Rain é.wav", "/sounds/wind folder"};
    EXPECT_EQ(TSingleInstance(dir.File("instance")).Claim(paths), EClaim::OtherRunning);
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.at(0).at(0).toStringList(), paths);
    EXPECT_EQ(TSingleInstance(dir.File("instance")).Claim(), EClaim::OtherRunning);
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(activations.at(1).at(0).toStringList(), QStringList());
}

TEST(TSingleInstance, ASocketLeftByACrashedCopyDoesNotBlockTheStart) {
    TTestDir dir;
    const QString name = dir.File("instance");
    LeaveStaleSocket(name);
    ASSERT_TRUE(QFileInfo(name).exists());

    TSingleInstance restarted(name);
    QSignalSpy activations(&restarted, &TSingleInstance::ActivationRequested);
    EXPECT_EQ(restarted.Claim(), EClaim::First);
    // It listens now: the next copy finds it.
    EXPECT_EQ(TSingleInstance(name).Claim(), EClaim::OtherRunning);
    EXPECT_TRUE(activations.wait(5000));
}

TEST(TSingleInstance, OtherTalkOnTheSocketBringsNothingToTheFront) {
    TTestDir dir;
    TSingleInstance first(dir.File("instance"));
    QSignalSpy activations(&first, &TSingleInstance::ActivationRequested);
    ASSERT_EQ(first.Claim(), EClaim::First);

    for (const QByteArray& talk : {QByteArray("hello\n"), QByteArray(100000, 'a'),
                                   QByteArray("activate now\n"), QByteArray("\0\n", 2),
                                   QByteArray("open /x\nhello\nactivate\n")}) {
        QLocalSocket stranger;
        stranger.connectToServer(dir.File("instance"));
        ASSERT_TRUE(stranger.waitForConnected(5000));
        QSignalSpy hungUp(&stranger, &QLocalSocket::disconnected);
        stranger.write(talk);
        // The copy (in this thread, so the event loop must run) answers by hanging up.
        EXPECT_TRUE(hungUp.wait(5000));
    }
    EXPECT_EQ(activations.count(), 0);
}

TEST(TSingleInstance, TheUsersNameIsTheirOwn) {
    const QString name = TSingleInstance::UserName();
    EXPECT_TRUE(name.contains(QString::number(getuid())) ||
                name == qEnvironmentVariable("XDG_RUNTIME_DIR") + "/trackmoth.socket")
        << name.toStdString();
}
