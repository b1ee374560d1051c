#pragma once

#include "app/tsound.h"
#include "cdimport/IConversionStage.h"

#include <QFile>
#include <QList>

#include <optional>

#include <gtest/gtest.h>

// A stage the test ends by hand with `Complete`, as a real one ends from its worker.
class TFakeConversionStage : public IConversionStage {
public:
    struct TStart {
        std::shared_ptr<TsdxJob> Job; // kept: the handler frees its jobs when the work ends
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
        Starts.append({job_, format, writeTags});
        if (OnStateChanged)
            OnStateChanged();
    }
    void SetOnDone(TNotification notification) override { onDone_ = std::move(notification); }
    const TConversionResult& LastResult() const override { return result_; }

    // Ends the running job as `result` says. By default a success whose output is the rip
    // itself, moved to a side name as a real stage's output would be.
    void Complete(std::optional<TConversionResult> result = {}) {
        ASSERT_TRUE(Busy());
        if (!result) {
            const QString output = job_->ripPath + ".converted";
            if (!QFile::rename(job_->ripPath, output))
                ADD_FAILURE() << "no rip to convert: " << job_->ripPath.toStdString();
            result = TConversionResult{true, {}, {}, output};
        }
        result_ = *result;
        std::shared_ptr<TsdxJob> job = std::move(job_);
        job->JobState = jsDone;
        job->sound->Status = result_.Succeeded ? ssDone : sserror;
        job->sound->CopyCount = 0;
        if (OnStateChanged)
            OnStateChanged();
        Notify(onDone_);
    }
    const TsdxJob* Job() const { return job_.get(); }

private:
    std::shared_ptr<TsdxJob> job_;
    TNotification onDone_;
    TConversionResult result_;
};
