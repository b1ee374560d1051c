#include "cdimport/TSoxrResampler.h"

#include "app/tsound.h"
#include "cdimport/OutputFilePlacement.h"
#include "cdimport/TSoxrConverter.h"

#include <QFile>

#include <cmath>

TSoxrResampler::TSoxrResampler(QObject* parent, int progressInterval) : TConversionStage(parent) {
    progressTimer_.setInterval(progressInterval);
    connect(&progressTimer_, &QTimer::timeout, this, &TSoxrResampler::ProgressTimerTimer);
}

TSoxrResampler::~TSoxrResampler() { WaitForWorker(); }

void TSoxrResampler::Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format,
                           bool writeTags) {
    progressTimer_.start();
    TConversionStage::Start(std::move(job), format, writeTags);
}

TConversionResult TSoxrResampler::Convert(const TConversionInput& input) {
    // A side name of the stage's own: no file of the user's is written or removed.
    const QString converted = SideNameFor(input.Path);
    const QString error = TSoxrConverter::Convert(
        input.RipPath, converted, input.Format.SampleRate, input.Format.BitDepth,
        [this](qint64 done, qint64 total) {
            if (done != 0 && total > 0)
                percent_ = int(std::nearbyint(double(done) / double(total) * 100.0));
        });
    if (!error.isEmpty()) {
        QFile::remove(converted);
        // The rip at CD format is whole, but not what was asked for.
        if (input.RipPath == input.Path)
            return {false, error, input.Path, {}};
        return {false, error, KeepUnder(input.RipPath, IncompleteNameFor(input.Path)), {}};
    }
    if (input.RipPath != input.Path)
        QFile::remove(input.RipPath);
    return {true, {}, {}, converted};
}

void TSoxrResampler::ProgressTimerTimer() {
    if (!Busy()) {
        progressTimer_.stop();
        return;
    }
    JobSound()->CopyCount = percent_;
}
