#pragma once

#include "cdimport/TConversionStage.h"

#include <QTimer>

#include <atomic>

// Converts each ripped WAV file to the import's sample rate and bit depth, into a side file the
// job handler tags and puts in place; the rip is removed then. When the conversion fails, the
// ripped audio is kept under its incomplete name.
class TSoxrResampler : public TConversionStage {
    Q_OBJECT
public:
    static constexpr int progressIntervalMs = 1000;

    explicit TSoxrResampler(QObject* parent = nullptr, int progressInterval = progressIntervalMs);
    ~TSoxrResampler() override;

    void Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format, bool writeTags) override;
    // Percent of the running (or last) conversion; not reset between jobs.
    int Percent() const { return percent_; }

protected:
    TConversionResult Convert(const TConversionInput& input) override;

private:
    void ProgressTimerTimer();

    QTimer progressTimer_;
    std::atomic<int> percent_ = 0;
};
