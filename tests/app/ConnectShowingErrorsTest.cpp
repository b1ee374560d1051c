#include "app/ConnectShowingErrors.h"
#include "app/EAppError.h"
#include "app/TResult.h"
#include "common/TRecordingMessages.h"

#include <gtest/gtest.h>

namespace {
class TReceiver : public QObject {
public:
    QString Seen;
    void Take(const QString& name) { Seen = name; }
    void Fail() { throw EAppError("member failed"); }
};
} // namespace

TEST(ConnectShowingErrorsTest, AThrowingSlotIsShownAndTheSignalReturns) {
    TRecordingMessages messages;
    QObject sender;
    TReceiver receiver;
    ConnectShowingErrors(&sender, &QObject::objectNameChanged, &receiver,
                         [](const QString& name) { throw EAppError("no " + name); });
    ConnectShowingErrors(&sender, &QObject::objectNameChanged, &receiver, &TReceiver::Fail);
    ConnectShowingErrors(&sender, &QObject::objectNameChanged, &receiver, &TReceiver::Take);
    sender.setObjectName("disc");
    EXPECT_EQ(messages.Messages, QStringList({"no disc", "member failed"}));
    EXPECT_EQ(receiver.Seen, "disc"); // the later slot still ran
}

TEST(TResultTest, KeepsEveryErrorInOrder) {
    EXPECT_TRUE(TResult::Ok().IsOk());
    TResult result = TResult::Error("first");
    result.Merge(TResult::Ok()).Merge(TResult::Error("second"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.ErrorText(), "first\nsecond");
}
