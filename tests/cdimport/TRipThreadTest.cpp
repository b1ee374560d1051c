#include "cdimport/TMemoryPcmSource.h"
#include "cdimport/TRipThread.h"

#include <gtest/gtest.h>

TEST(TRipThread, WriteFailureStopsTheCopyWithTheReason) {
    auto file = std::make_unique<QFile>("/dev/full");
    ASSERT_TRUE(file->open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    std::atomic<bool> cancel = false;
    TRipThread thread(std::make_unique<TMemoryPcmSource>(QByteArray(50000, '\1')), std::move(file),
                      cancel);
    int blocks = 0;
    QObject::connect(&thread, &TRipThread::BlockCopied, [&] { ++blocks; });

    thread.start();
    thread.wait();
    EXPECT_FALSE(thread.ErrorText().isEmpty());
    EXPECT_EQ(blocks, 0);
    EXPECT_EQ(thread.TakeSource()->Position(), TRipThread::BlockSize);
}
