#pragma once

#include "app/tsound.h"
#include "cdimport/IConversionStage.h"

#include <QList>

#include <gtest/gtest.h>

// A stage the test ends by hand with `Complete`, as a real one ends from its worker.
class TFakeConversionStage : public IConversionStage {
public:
    struct TStart {
        TsdxJob* Job;
        TOutputFormat Format;
        bool WriteTags;
    };
    QList<TStart> Starts;
    std::function<void()> OnStateChanged;

    bool Busy() const override { return bool(job_); }
    void Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format, bool writeTags) override {
        EXPECT_FALSE(Busy()) << "a second conversion started while one runs";
        if (OnStateChanged)
            OnStateChanged(); // the state the handler handed the sound over in
        job_ = std::move(job);
        job_->JobState = jsRunning;
        job_->sound->Status = ssConverting;
        Starts.append({job_.get(), format, writeTags});
        if (OnStateChanged)
            OnStateChanged();
    }
    void SetOnDone(TNotification notification) override { onDone_ = std::move(notification); }

    void Complete(bool succeeded = true) {
        ASSERT_TRUE(Busy());
        std::shared_ptr<TsdxJob> job = std::move(job_);
        job->JobState = jsDone;
        job->sound->Status = succeeded ? ssDone : sserror;
        job->sound->CopyCount = 0;
        if (OnStateChanged)
            OnStateChanged();
        Notify(onDone_);
    }
    const TsdxJob* Job() const { return job_.get(); }

private:
    std::shared_ptr<TsdxJob> job_;
    TNotification onDone_;
};
