#include "cdimport/TConversionStage.h"

#include "app/tsound.h"
#include "cdimport/TSimpleThread.h"


TConversionStage::TConversionStage(QObject* parent) : QObject(parent) {}

TConversionStage::~TConversionStage() { WaitForWorker(); }

void TConversionStage::WaitForWorker() { worker_.reset(); }

void TConversionStage::Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format,
                             bool writeTags) {
    busy_ = true;
    job_ = std::move(job);
    job_->JobState = jsRunning;
    job_->sound->Status = ssConverting;
    const tsound& sound = *job_->sound;
    const TConversionInput input{sound.path, job_->ripPath.isEmpty() ? sound.path : job_->ripPath,
                                 sound.ID3, format, writeTags};
    worker_ = std::make_unique<TSimpleThread>([this, input] { result_ = Convert(input); },
                                              [this] { Finish(); });
}

void TConversionStage::Finish() {
    // Freed later: this runs inside the thread object's own slot.
    worker_.release()->deleteLater();
    std::shared_ptr<TsdxJob> job = std::move(job_);
    job->JobState = jsDone;
    job->sound->Status = result_.Succeeded ? ssDone : sserror;
    job->sound->CopyCount = 0;
    busy_ = false;
    // The handler learns of the end before anyone shows its message: a modal box runs the
    // event loop, and a rip ending in it must not be taken for the end of a later conversion.
    Notify(onDone_);
}
