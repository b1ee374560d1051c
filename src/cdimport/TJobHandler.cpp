#include "cdimport/TJobHandler.h"

#include "app/tsound.h"
#include "cdimport/TLameEnc.h"
#include "cdimport/TLameProgram.h"
#include "cdimport/TSoxrResampler.h"

#include <QFileInfo>

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
    resampler_->SetOnDone([this] { ConversionDone(*resampler_); });
    encoder_->SetOnDone([this] { ConversionDone(*encoder_); });
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

void TJobHandler::AddRipJob(TSoundRef sound, int track) {
    sound->Comment = "Waiting..";
    sound->Status = ssWaiting;
    ripQueue_.Add(std::make_shared<TsdxJob>(TsdxJob{jkRip, jsWaiting, std::move(sound), track}));
}

void TJobHandler::StartJobs() {
    failures_.clear();
    RunRipLoop();
}

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
        job.ripPath = encodeMp3_ ? TLameEnc::RipNameFor(job.sound->path) : job.sound->path;
        ripEndedInsideCall_ = false;
        ripCallRunning_ = true;
        const TResult started = ripper_.RipTrack(job.ripPath, job.track);
        ripCallRunning_ = false;
        if (!started) {
            StopAfterRipError(started.ErrorText());
            return;
        }
        ripInProgress_ = !ripEndedInsideCall_;
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
    ripInProgress_ = false;
    if (!cancelledRipPath_.isEmpty()) {
        KeepRip(cancelledRipPath_, cancelledFinalPath_);
        cancelledRipPath_.clear();
    }
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
    sound.RipReport = ripper_.RipReport();
    job->JobState = jsDone;
    if (encodeMp3_ || needsResample_) {
        sound.Status = ssNeedConvert;
        conversionQueue_.Add(std::make_shared<TsdxJob>(TsdxJob{
            needsResample_ ? jkResample : jkEncodeMp3, jsWaiting, job->sound, job->track, job->ripPath}));
        StartNextConversion();
    } else {
        sound.Status = ssDone;
        TagRippedSound(sound);
    }
}

void TJobHandler::TagRippedSound(tsound& sound) {
    const TResult tagged = tagger_.WriteTags(sound);
    if (!tagged) {
        sound.Status = sserror;
        AddFailure(sound, tagged.ErrorText());
    }
}

void TJobHandler::AddFailure(const tsound& sound, const QString& reason, const QString& keptAs) {
    failures_.append({sound.path, reason, keptAs});
}

QString TJobHandler::KeepRip(const QString& ripPath, const QString& finalPath) {
    if (ripPath.isEmpty() || ripPath == finalPath || !QFileInfo::exists(ripPath))
        return {};
    return TLameEnc::KeepRipAsWav(ripPath, finalPath);
}

void TJobHandler::StopAfterRipError(const QString& error) {
    if (const TsdxJobList::TJobPtr job = CurrentRip())
        AddFailure(*job->sound, error, KeepRip(job->ripPath, job->sound->path));
    CancelJobs();
    Notify(OnRipProgress);
    Notify(OnMessage, "Error riping tracks:\n" + error + "\n" + "Ripping stopped");
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

void TJobHandler::ConversionDone(const IConversionStage& stage) {
    // Copied first: the next conversion started below writes the stage's result.
    const TConversionResult result = stage.LastResult();
    const TsdxJobList::TJobPtr job = std::move(currentConversion_);
    if (job) {
        tsound& sound = *job->sound;
        if (!result.Succeeded)
            AddFailure(sound, result.Reason, result.KeptAs);
        else if (job->JobKind == jkResample && sound.Status != sserror)
            TagRippedSound(sound);
        // Its import was cancelled meanwhile: no final pass will reach it.
        if (conversionQueue_.IndexOf(job.get()) < 0)
            MarkEnded(sound);
    }
    if (AllWorkDone())
        Finish();
    else
        StartNextConversion();
    Notify(OnMessage, result.UserMessage);
}

void TJobHandler::KeepWaitingConversionRips() {
    for (int i = 0; i < conversionQueue_.Count(); ++i) {
        const TsdxJob& job = *conversionQueue_.Items(i);
        if (job.JobState == jsWaiting)
            KeepRip(job.ripPath, job.sound->path);
    }
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
    if (ripInProgress_ && CurrentRip()) {
        // Its file is still being written; it is kept once the rip has closed it.
        cancelledRipPath_ = CurrentRip()->ripPath;
        cancelledFinalPath_ = CurrentRip()->sound->path;
    }
    KeepWaitingConversionRips();
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
