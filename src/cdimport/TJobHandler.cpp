#include "cdimport/TJobHandler.h"

#include "app/EAppError.h"
#include "app/IUserMessages.h"
#include "app/tsound.h"
#include "cdimport/TLameEnc.h"
#include "cdimport/TLameProgram.h"
#include "cdimport/TSoxrResampler.h"

namespace {
constexpr int cdSampleRate = 44100;
constexpr int cdBitDepth = 16;

// A sound whose conversion failed keeps its error mark when the work ends.
void MarkEnded(tsound& sound) {
    if (sound.Status != sserror)
        sound.Status = ssnormal;
}
} // namespace

TJobHandler::TJobHandler(IRipper& ripper)
    : TJobHandler(ripper, std::make_unique<TSoxrResampler>(),
                  std::make_unique<TLameEnc>(std::make_unique<TLameProgram>())) {}

TJobHandler::TJobHandler(IRipper& ripper, std::unique_ptr<IConversionStage> resampler,
                         std::unique_ptr<IConversionStage> encoder)
    : ripper_(ripper), resampler_(std::move(resampler)), encoder_(std::move(encoder)) {
    resampler_->SetOnDone([this] { ConversionDone(); });
    encoder_->SetOnDone([this] { ConversionDone(); });
}

TJobHandler::~TJobHandler() { ripper_.SetOnRipDone({}); }

void TJobHandler::ResetJobs() {
    ripper_.SetOnRipDone([this] { RipDoneReceived(); });
    ripsDone_ = 0;
    ripActive_ = false;
    ripQueue_.Clear();
    conversionQueue_.Clear();
    ripIndex_ = -1;
}

void TJobHandler::SetOutputFormat(const TOutputFormat& format) {
    format_ = format;
    encodeMp3_ = format.AudioFormat == sfmp3;
    needsResample_ = !encodeMp3_ &&
                     (format.SampleRate != cdSampleRate || format.BitDepth != cdBitDepth);
}

void TJobHandler::AddRipJob(tsound* sound, int track) {
    ripQueue_.Add(std::make_shared<TsdxJob>(TsdxJob{jkRip, jsWaiting, sound, track}));
    sound->Comment = "Waiting..";
    sound->Status = ssWaiting;
}

void TJobHandler::StartJobs() { RunRipLoop(); }

const TsdxJobList::TJobPtr& TJobHandler::CurrentRip() const {
    static const TsdxJobList::TJobPtr none;
    return ripIndex_ >= 0 && ripIndex_ < ripQueue_.Count() ? ripQueue_.Items(ripIndex_) : none;
}

// One pass per rip. A rip that ends inside RipTrack is followed up here rather than from its
// notification, so a disc of 99 tracks needs no deeper stack than one track.
void TJobHandler::RunRipLoop() {
    while (NextRipJob()) {
        TsdxJob& job = *CurrentRip();
        ripActive_ = true;
        job.JobState = jsRunning;
        job.sound->Status = ssRipping;
        ripEndedInsideCall_ = false;
        ripCallRunning_ = true;
        try {
            ripper_.RipTrack(job.sound->path, job.track);
        } catch (const EAppError& error) {
            ripCallRunning_ = false;
            StopAfterRipError(error.Text());
            return;
        }
        ripCallRunning_ = false;
        // Otherwise the ripper's notification continues the loop when the file is closed.
        if (!ripEndedInsideCall_ || !RipEnded())
            return;
    }
    QueueEnd();
}

bool TJobHandler::NextRipJob() {
    if (ripQueue_.Count() == 0)
        return false;
    if (ripIndex_ + 1 >= ripQueue_.Count()) {
        ripIndex_ = -1;
        return false;
    }
    ++ripIndex_;
    return true;
}

void TJobHandler::RipDoneReceived() {
    if (ripCallRunning_) {
        ripEndedInsideCall_ = true;
        return;
    }
    if (RipEnded())
        RunRipLoop();
}

bool TJobHandler::RipEnded() {
    // A rip that ended on a read or write error leaves a short file: stop as when it cannot start.
    const QString error = CurrentRip() ? ripper_.RipError() : QString();
    if (!error.isEmpty()) {
        StopAfterRipError(error);
        return false;
    }
    RipDoneStep();
    Notify(OnRipProgress);
    return true;
}

void TJobHandler::RipDoneStep() {
    ++ripsDone_;
    const TsdxJobList::TJobPtr job = CurrentRip();
    if (!job)
        return;
    tsound& sound = *job->sound;
    sound.CopyCount = 0;
    job->JobState = jsDone;
    if (encodeMp3_ || needsResample_) {
        sound.Status = ssNeedConvert;
        conversionQueue_.Add(std::make_shared<TsdxJob>(
            TsdxJob{needsResample_ ? jkResample : jkEncodeMp3, jsWaiting, &sound, job->track}));
        StartNextConversion();
    } else {
        sound.Status = tagger_.WriteTags(sound) ? ssDone : sserror;
    }
}

void TJobHandler::StopAfterRipError(const QString& error) {
    UserMessages().ShowMessage("Error riping tracks:\n" + error + "\n" + "Ripping stopped");
    CancelJobs();
    Notify(OnRipProgress);
}

void TJobHandler::QueueEnd() {
    Notify(OnRipProgress);
    // With conversions, the last conversion's end finishes the work; unless there is none left
    // (no tracks at all, or the queues were emptied by a cancel).
    if ((!encodeMp3_ && !needsResample_) || AllWorkDone())
        Finish();
}

void TJobHandler::StartNextConversion() {
    IConversionStage* stage = needsResample_ ? resampler_.get() : encodeMp3_ ? encoder_.get() : nullptr;
    if (!stage || stage->Busy())
        return;
    for (int i = 0; i < conversionQueue_.Count(); ++i) {
        if (conversionQueue_.Items(i)->JobState != jsWaiting)
            continue;
        currentConversion_ = conversionQueue_.Items(i);
        convIndex_ = i;
        stage->Start(currentConversion_, format_, tagger_.WriteID3);
        return;
    }
}

void TJobHandler::ConversionDone() {
    const TsdxJobList::TJobPtr job = std::move(currentConversion_);
    if (job) {
        tsound& sound = *job->sound;
        if (job->JobKind == jkResample && sound.Status != sserror && !tagger_.WriteTags(sound))
            sound.Status = sserror;
        // Its import was cancelled meanwhile: no final pass will reach it.
        if (conversionQueue_.IndexOf(job.get()) < 0)
            MarkEnded(sound);
    }
    if (AllWorkDone())
        Finish();
    else
        StartNextConversion();
}

bool TJobHandler::AllWorkDone() const {
    return !currentConversion_ && conversionQueue_.AllDone() &&
           conversionQueue_.Count() == ripQueue_.Count() && ripQueue_.AllDone();
}

void TJobHandler::Finish() {
    FinalPass();
    ResetJobs();
    Notify(OnFinished);
}

void TJobHandler::FinalPass() {
    for (int i = 0; i < ripQueue_.Count(); ++i) {
        const TsdxJob& job = *ripQueue_.Items(i);
        if (job.JobState == jsDone)
            MarkEnded(*job.sound);
        else
            job.sound->Status = ssCdTrack;
    }
}

void TJobHandler::CancelJobs() {
    ripper_.CancelRip();
    FinalPass();
    for (int i = 0; i < conversionQueue_.Count(); ++i) {
        const TsdxJob& job = *conversionQueue_.Items(i);
        if (job.JobState == jsDone)
            MarkEnded(*job.sound);
        else
            job.sound->Status = sserror;
    }
    Notify(OnFinished);
    ResetJobs();
}
