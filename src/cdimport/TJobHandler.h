#pragma once

#include "cdimport/IConversionStage.h"
#include "cdimport/IRipper.h"
#include "cdimport/TImportFailure.h"
#include "cdimport/TOutputFormat.h"
#include "cdimport/TsdxJobList.h"
#include "tags/TTagger.h"

#include <QList>

#include <memory>

// Carries out an import: rips the queued tracks one after another, tags each WAV at CD format
// at once, and hands any other format to the resampler or the MP3 encoder, which convert one
// file at a time in the background while the next track is ripped. Sets every sound's state for
// the list. Lives on the GUI thread; the stages hand their ends back to it there.
//
// For one import: ResetJobs, SetOutputFormat, AddRipJob per sound, StartJobs; CancelJobs at any
// time while work runs.
//
// Every file is made under a side name and gets its final name only when it is whole (ripped,
// converted, tagged); an earlier file under that name is replaced at that moment, in one step,
// and only when it was there when the job was queued (the caller has asked the user). A track
// that fails or is cut keeps the earlier file as it was; its audio is kept under a name that
// says it is incomplete ("03 - Rain (incomplete).wav"; an MP3 not encoded keeps its whole rip
// as "03 - Rain.wav"). A data track is skipped. A rip error stops the rips; tracks ripped before
// are still converted.
//
// The handler shows nothing: every track that failed, and every note (a skipped data track,
// the stop after a rip error), is listed in Failures for the one report at the end.
class TJobHandler {
public:
    // With the real stages: libsoxr for rate and depth, the lame program for MP3.
    // The handler must go before the ripper: it takes its notification back when destroyed.
    explicit TJobHandler(IRipper& ripper);
    TJobHandler(IRipper& ripper, std::unique_ptr<IConversionStage> resampler,
                std::unique_ptr<IConversionStage> encoder);
    ~TJobHandler();
    TJobHandler(const TJobHandler&) = delete;
    TJobHandler& operator=(const TJobHandler&) = delete;

    void ResetJobs();
    void SetOutputFormat(const TOutputFormat& format);
    // The sound shows "Waiting.." and ssWaiting; the job keeps it until the work is over.
    // A file under the sound's name now will be replaced when the new one is whole.
    void AddRipJob(TSoundRef sound, int track);
    void StartJobs();
    // Rips left: ssCdTrack; conversions waiting or running: sserror; work done: ssnormal.
    // The running rip stops at its next block and its audio is kept as incomplete; rips
    // waiting for their conversion are kept too; a running conversion still finishes its file.
    void CancelJobs();

    int RipsDone() const { return ripsDone_; }
    int ConvIndex() const { return convIndex_; }
    bool EncodeMp3() const { return encodeMp3_; }
    bool NeedsResample() const { return needsResample_; }
    bool RipActive() const { return ripActive_; }
    const TsdxJob* CurrentRipJob() const { return CurrentRip().get(); }
    int RipQueueCount() const { return ripQueue_.Count(); }
    // A rip was started and has not closed its file yet (also after a cancel).
    bool RipInProgress() const { return ripInProgress_; }
    // A conversion is running (also after a cancel: it still finishes its file).
    bool ConversionRunning() const { return bool(currentConversion_); }
    // The main window sets its WriteID3, WriteBwav and WriteIXML flags before each import.
    TTagger& Tagger() { return tagger_; }

    // The tracks of the running or last import that failed (rips, tag writes, conversions,
    // putting in place, cancelled work) and the notes for the same report. Emptied by StartJobs.
    const QList<TImportFailure>& Failures() const { return failures_; }

    TNotification OnRipProgress; // after each rip job and when the rip queue is exhausted
    // When all work has ended or was cancelled; may come twice for one import (a cancel, then
    // the end of the rip that was running).
    TNotification OnFinished;

private:
    const TsdxJobList::TJobPtr& CurrentRip() const;
    void RunRipLoop();
    // Moves on to the next rip job; false at the end of the queue.
    bool NextRipJob();
    void RipDoneReceived();
    // False when the rip failed and the work was stopped.
    bool RipEnded();
    void RipDoneStep();
    void SkipDataTrack(TsdxJob& job);
    void StopAfterRipError(const QString& error);
    // Tags `output` (the whole file of `job`) and gives it the sound's name.
    void FinishFile(const TsdxJob& job, const QString& output);
    // Lists the failure for the report and shows it in the sound's details.
    void AddFailure(tsound& sound, const QString& reason, const QString& keptAs = {});
    // Keeps the cut audio of a rip under its incomplete name; where it is now.
    static QString KeepCutRip(const TsdxJob& job);
    // Keeps the whole rip of a conversion that will not run; where it is now.
    QString KeepUnconvertedRip(const TsdxJob& job) const;
    void KeepWaitingConversionRips();
    void QueueEnd();
    void StartNextConversion();
    void ConversionDone(const IConversionStage& stage);
    bool AllWorkDone() const;
    void Finish();
    void FinalPass();

    IRipper& ripper_;
    std::unique_ptr<IConversionStage> resampler_;
    std::unique_ptr<IConversionStage> encoder_;
    TTagger tagger_;
    TOutputFormat format_;
    int ripIndex_ = -1; // the current rip job's position; -1: none
    TsdxJobList::TJobPtr currentConversion_;
    int ripsDone_ = 0;
    int convIndex_ = 0;
    TsdxJobList ripQueue_;
    TsdxJobList conversionQueue_;
    bool encodeMp3_ = false;
    bool needsResample_ = false;
    bool ripActive_ = false;
    bool ripCallRunning_ = false;
    bool ripEndedInsideCall_ = false;
    bool ripInProgress_ = false; // a rip has started and its end has not come yet
    bool ripLoopRunning_ = false; // from StartJobs until the rip queue is through or stopped
    bool ripsStopped_ = false;    // a rip failed: no further rips, conversions go on
    // The rip that was cancelled while it ran; its cut audio is kept when it ends.
    TsdxJobList::TJobPtr cancelledRip_;
    QList<TImportFailure> failures_;
};
