#include "services/TDetachedProgramStarter.h"
#include "services/TSystemConnectionCheck.h"

#include "common/TTestDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

TEST(SystemConnectionCheck, AServerOnThisMachineNeedsNoNetwork) {
    EXPECT_EQ(TSystemConnectionCheck::HostName("gnudb.gnudb.org"), "gnudb.gnudb.org");
    EXPECT_EQ(TSystemConnectionCheck::HostName(" 127.0.0.1:8080 "), "127.0.0.1");
    EXPECT_EQ(TSystemConnectionCheck::HostName("[::1]:8080"), "::1");
    EXPECT_EQ(TSystemConnectionCheck::HostName("::1"), "::1");
    for (const char* local : {"localhost", "LOCALHOST:80", "127.0.0.1:8080", "127.1.2.3", "[::1]:9"})
        EXPECT_TRUE(TSystemConnectionCheck().IsInternetConnected(local)) << local;
    EXPECT_FALSE(TSystemConnectionCheck::IsLocalHost("gnudb.gnudb.org"));
    EXPECT_FALSE(TSystemConnectionCheck::IsLocalHost("10.0.0.1:80"));
}

TEST(DetachedProgramStarter, PassesTheParameterTextAsArgumentsWithoutAShell) {
    TTestDir dir;
    const QString output = dir.File("arguments.txt");
    const QString program = dir.Write("Upmender", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" +
                                                      output.toUtf8() + ".part\"\nmv \"" +
                                                      output.toUtf8() + ".part\" \"" +
                                                      output.toUtf8() + "\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TDetachedProgramStarter starter;
    ASSERT_TRUE(starter.Start(program, "Trackmoth -silent \"/opt/track moth\" \"2.2\" \"New; $(x) \""));
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(output) && waited.elapsed() < 10'000)
        QThread::msleep(20);
    EXPECT_EQ(dir.Read(output), "Trackmoth\n-silent\n/opt/track moth\n2.2\nNew; $(x) \n");
    EXPECT_FALSE(starter.Start(dir.File("missing"), "x"));
}
