#pragma once

#include "app/TmyID3tag.h"
#include "cdimport/IConversionStage.h"

#include <QObject>

#include <memory>

class TSimpleThread;

// What a conversion works on: copied from the job's sound when it starts, so the worker
// thread never reads the record.
struct TConversionInput {
    QString Path;    // the sound's final file
    QString RipPath; // the ripped file the conversion reads: Path, or an intermediate file
    TmyID3tag Tags;
    TOutputFormat Format;
    bool WriteTags = false;
};

// The part both stages share: the busy flag, the job's states, the worker thread and the
// hand-over of the end to the thread that started the job.
class TConversionStage : public QObject, public IConversionStage {
    Q_OBJECT
public:
    ~TConversionStage() override;

    bool Busy() const override { return busy_; }
    void Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format, bool writeTags) override;
    void SetOnDone(TNotification notification) override { onDone_ = std::move(notification); }
    const TConversionResult& LastResult() const override { return result_; }

protected:
    explicit TConversionStage(QObject* parent);
    // Runs on the worker thread. On failure it leaves the ripped audio on disk.
    virtual TConversionResult Convert(const TConversionInput& input) = 0;
    // Derived stages call this first in their destructor: the worker may use their fields.
    void WaitForWorker();
    tsound* JobSound() const { return job_ ? job_->sound.get() : nullptr; }

private:
    void Finish();

    bool busy_ = false;
    std::shared_ptr<TsdxJob> job_;
    TNotification onDone_;
    TConversionResult result_;
    std::unique_ptr<TSimpleThread> worker_;
};
