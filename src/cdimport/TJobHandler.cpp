#include "cdimport/TJobHandler.h"

#include "app/DiskPath.h"
#include "app/tsound.h"
#include "cdimport/OutputFilePlacement.h"
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
    ripLoopRunning_ = false;
    ripsStopped_ = false;
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
    sound->RipReport.clear(); // of an earlier import of the track
    // Taken now, when the user has been asked; a file that appears later is never replaced.
    const bool mayReplace = QFileInfo::exists(sound->path);
    TsdxJob job{jkRip, jsWaiting, std::move(sound), track};
    job.mayReplace = mayReplace;
    ripQueue_.Add(std::make_shared<TsdxJob>(std::move(job)));
}

void TJobHandler::StartJobs() {
    failures_.clear();
    ripLoopRunning_ = true;
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
        if (ripper_.IsDataTrack(job.track)) {
            SkipDataTrack(job);
            continue;
        }
        ripActive_ = true;
        job.JobState = jsRunning;
        job.sound->Status = ssRipping;
        job.ripPath = encodeMp3_ ? TLameEnc::RipNameFor(job.sound->path) : SideNameFor(job.sound->path);
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
    if (ripsStopped_ || ripIndex_ + 1 >= ripQueue_.Count())
        return false;
    ++ripIndex_;
    return true;
}

void TJobHandler::SkipDataTrack(TsdxJob& job) {
    job.JobState = jsSkipped;
    job.sound->Comment.clear();
    job.sound->Status = ssCdTrack;
    ++ripsDone_;
    failures_.append({{}, QString("Track %1 is a data track and was not ripped").arg(job.track + 1), {}});
    Notify(OnRipProgress);
}

void TJobHandler::RipDoneReceived() {
    ripInProgress_ = false;
    if (const TsdxJobList::TJobPtr cancelled = std::exchange(cancelledRip_, {}))
        AddFailure(*cancelled->sound, "Cancelled while it was being ripped", KeepCutRip(*cancelled));
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
        TsdxJob conversion{needsResample_ ? jkResample : jkEncodeMp3, jsWaiting, job->sound,
                           job->track, job->ripPath};
        conversion.mayReplace = job->mayReplace;
        conversionQueue_.Add(std::make_shared<TsdxJob>(std::move(conversion)));
        StartNextConversion();
    } else {
        sound.Status = ssDone;
        FinishFile(*job, job->ripPath);
    }
}

void TJobHandler::FinishFile(const TsdxJob& job, const QString& output) {
    tsound& sound = *job.sound;
    // The tags go into the side file, so the final name only ever shows a tagged file. The
    // encoder wrote the MP3's tags itself.
    const TResult tagged = job.JobKind == jkEncodeMp3 ? TResult::Ok()
                                                      : tagger_.WriteTagsTo(sound, DiskPath(output));
    if (!tagged) {
        sound.Status = sserror;
        AddFailure(sound, tagged.ErrorText(), KeepUnder(output, IncompleteNameFor(sound.path)));
        return;
    }
    if (const TResult placed = PutInPlace(output, sound.path, job.mayReplace); !placed) {
        sound.Status = sserror;
        AddFailure(sound, placed.ErrorText(), KeepUnder(output, sound.path));
    }
}

void TJobHandler::AddFailure(tsound& sound, const QString& reason, const QString& keptAs) {
    const TImportFailure failure{sound.path, reason, keptAs};
    failures_.append(failure);
    // The row's details say it too, long after the report was closed.
    const QString text = failure.Text().mid(QFileInfo(sound.path).fileName().size() + 2);
    sound.RipReport = sound.RipReport.isEmpty() ? text : sound.RipReport + "; " + text;
}

QString TJobHandler::KeepCutRip(const TsdxJob& job) {
    return KeepUnder(job.ripPath, IncompleteNameFor(job.sound->path));
}

QString TJobHandler::KeepUnconvertedRip(const TsdxJob& job) const {
    // A whole rip that an MP3 import did not encode is a good WAV of the track.
    if (job.JobKind == jkEncodeMp3)
        return TLameEnc::KeepRipAsWav(job.ripPath, job.sound->path);
    return KeepUnder(job.ripPath, IncompleteNameFor(job.sound->path));
}

void TJobHandler::StopAfterRipError(const QString& error) {
    if (const TsdxJobList::TJobPtr job = CurrentRip()) {
        job->JobState = jsWaiting;
        job->sound->Status = ssCdTrack;
        AddFailure(*job->sound, error, KeepCutRip(*job));
    }
    int notRipped = 0;
    for (int i = ripIndex_ + 1; i < ripQueue_.Count(); ++i)
        notRipped += ripQueue_.Items(i)->JobState == jsWaiting ? 1 : 0;
    const QString stopped = notRipped == 0   ? QString("Ripping stopped")
                            : notRipped == 1 ? QString("Ripping stopped: 1 more track was not ripped")
                                             : QString("Ripping stopped: %1 more tracks were not ripped")
                                                   .arg(notRipped);
    failures_.append({{}, stopped, {}});
    ripsStopped_ = true;
    // The tracks ripped before are whole: their conversions still run.
    QueueEnd();
}

void TJobHandler::QueueEnd() {
    ripLoopRunning_ = false;
    Notify(OnRipProgress);
    // With conversions, the last conversion's end finishes the work; unless there is none left
    // (no tracks at all, or the queues were emptied by a cancel).
    if (AllWorkDone())
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
        else
            FinishFile(*job, result.Output);
        // Its import was cancelled meanwhile: no final pass will reach it.
        if (conversionQueue_.IndexOf(job.get()) < 0)
            MarkEnded(sound);
    }
    if (AllWorkDone())
        Finish();
    else
        StartNextConversion();
}

void TJobHandler::KeepWaitingConversionRips() {
    for (int i = 0; i < conversionQueue_.Count(); ++i) {
        const TsdxJob& job = *conversionQueue_.Items(i);
        if (job.JobState == jsWaiting)
            AddFailure(*job.sound, "Cancelled before it was converted", KeepUnconvertedRip(job));
    }
}

bool TJobHandler::AllWorkDone() const {
    if (ripLoopRunning_ || ripInProgress_ || currentConversion_)
        return false;
    for (int i = 0; i < conversionQueue_.Count(); ++i)
        if (conversionQueue_.Items(i)->JobState == jsWaiting)
            return false;
    return true;
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
    // Its file is still being written; its audio is kept once the rip has closed it.
    if (ripInProgress_ && CurrentRip())
        cancelledRip_ = CurrentRip();
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
