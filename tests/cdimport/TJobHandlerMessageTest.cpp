#include "common/BorrowedSound.h"
#include "app/tsound.h"
#include "cdimport/TConversionStage.h"
#include "cdimport/TFakeConversionStage.h"
#include "cdimport/TFakeRipper.h"
#include "cdimport/TJobHandler.h"
#include "common/QtPrinters.h"
#include "common/TRecordingMessages.h"
#include "common/TTestDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {
// A resampling stage whose first job fails; the others wait for the test's release, then write
// a converted file under a side name as a real stage does.
class TScriptedStage : public TConversionStage {
public:
    TScriptedStage() : TConversionStage(nullptr) {}
    ~TScriptedStage() override {
        Release = true;
        WaitForWorker();
    }
    std::atomic<bool> Release = false;

protected:
    TConversionResult Convert(const TConversionInput& input) override {
        if (conversions_++ == 0)
            return {false, "Conversion failed", input.RipPath};
        while (!Release)
            QThread::msleep(1);
        TFakeRipper::WriteWav(input.Path + ".converted");
        QFile::remove(input.RipPath);
        return {true, {}, {}, input.Path + ".converted"};
    }

private:
    std::atomic<int> conversions_ = 0;
};

bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 30000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return condition();
}
} // namespace

TEST(TJobHandlerMessageTest, ConversionEndsOnTheirWorkerComeBackInOrderWithTheRips) {
    TTestDir dir;
    TRecordingMessages messages;
    TFakeRipper ripper;
    ripper.EndsLater = true;
    auto stageOwned = std::make_unique<TScriptedStage>();
    TScriptedStage* stage = stageOwned.get();
    TJobHandler handler(ripper, std::move(stageOwned), std::make_unique<TFakeConversionStage>());
    handler.Tagger().WriteID3 = true;
    int finished = 0;
    handler.OnFinished = [&] { ++finished; };

    std::vector<std::unique_ptr<tsound>> sounds;
    handler.ResetJobs();
    handler.SetOutputFormat({sfwav, 256, 24, 48000});
    for (int i = 0; i < 2; ++i) {
        sounds.push_back(std::make_unique<tsound>());
        sounds.back()->path = dir.File(QString("Track %1.wav").arg(i + 1));
        sounds.back()->ID3.Title = "Rain";
        handler.AddRipJob(BorrowedSound(*sounds.back()), i);
    }
    handler.StartJobs();
    ripper.EndRip(); // the first conversion starts, the second rip runs

    ASSERT_TRUE(WaitUntil([&] { return !handler.Failures().isEmpty(); }));
    ripper.EndRip();
    EXPECT_EQ(sounds[1]->Status, ssConverting);
    EXPECT_EQ(finished, 0) << "the second conversion still runs";
    stage->Release = true;
    ASSERT_TRUE(WaitUntil([&] { return finished > 0; }));

    ASSERT_EQ(handler.Failures().size(), 1);
    EXPECT_EQ(handler.Failures()[0].Reason, "Conversion failed");
    EXPECT_TRUE(messages.Messages.isEmpty()) << "the handler decides, the stage shows nothing";
    EXPECT_EQ(sounds[0]->Status, sserror);
    EXPECT_EQ(sounds[1]->Status, ssnormal);
    QFile converted(sounds[1]->path);
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly));
    EXPECT_TRUE(converted.readAll().contains("id3 ")) << "tagged after its conversion, not before";
}
