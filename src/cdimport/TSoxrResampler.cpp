#include "cdimport/TSoxrResampler.h"

#include "app/tsound.h"
#include "cdimport/TFreeFileName.h"
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
    // A name of the stage's own: a file "<path>_" of the user's is neither written nor removed.
    const QString converted = TFreeFileName::For(input.Path + "_");
    const QString error = TSoxrConverter::Convert(
        input.Path, converted, input.Format.SampleRate, input.Format.BitDepth,
        [this](qint64 done, qint64 total) {
            if (done != 0 && total > 0)
                percent_ = int(std::nearbyint(double(done) / double(total) * 100.0));
        });
    if (!error.isEmpty())
        return {false, error, {}, input.Path};
    if (!ReplaceFile(converted, input.Path)) {
        QFile::remove(converted);
        return {false, QString("\"%1\" could not be replaced by its conversion").arg(input.Path), {},
                input.Path};
    }
    return {true, {}, {}, {}};
}

void TSoxrResampler::ProgressTimerTimer() {
    if (!Busy()) {
        progressTimer_.stop();
        return;
    }
    JobSound()->CopyCount = percent_;
}
