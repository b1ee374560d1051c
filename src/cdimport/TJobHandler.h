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
// The handler shows nothing. Texts the user is to see at once come through OnMessage, and every
// track that failed is listed in Failures for one report at the end. For an MP3 import each
// track is ripped into an intermediate WAV of the import's own; a rip that is not encoded
// (cancel, failure) is kept under a ".wav" name nothing had before, never under the MP3's name.
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
    void AddRipJob(TSoundRef sound, int track);
    void StartJobs();
    // Rips left: ssCdTrack; conversions waiting or running: sserror; work done: ssnormal.
    // The running rip stops at its next block; a running conversion still finishes its file.
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

    // The tracks of the running or last import that failed: rips that stopped the import, tag
    // writes, conversions. Emptied by StartJobs.
    const QList<TImportFailure>& Failures() const { return failures_; }

    TNotification OnRipProgress; // after each rip job and when the rip queue is exhausted
    // A text for a message box: "Error riping tracks:\n<reason>\nRipping stopped" when a rip
    // failed and the work was stopped, or a stage's message ("Error starting encoding!").
    // Raised once the handler's own step is over, so the receiver may run a modal box whose
    // event loop ends rips and conversions.
    TMessageNotification OnMessage;
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
    void StopAfterRipError(const QString& error);
    void TagRippedSound(tsound& sound);
    void AddFailure(const tsound& sound, const QString& reason, const QString& keptAs = {});
    // Moves the intermediate rip of an MP3 that will not be made to a free ".wav" name.
    static QString KeepRip(const QString& ripPath, const QString& finalPath);
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
    // The intermediate file of an MP3 rip that was cancelled while it ran, kept when it ends.
    QString cancelledRipPath_;
    QString cancelledFinalPath_;
    QList<TImportFailure> failures_;
};
