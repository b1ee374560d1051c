#pragma once

#include "cdimport/IConversionStage.h"
#include "cdimport/IRipper.h"
#include "cdimport/TOutputFormat.h"
#include "cdimport/TsdxJobList.h"
#include "tags/TTagger.h"

#include <memory>

class tsound;

// Carries out an import: rips the queued tracks one after another, tags each WAV at CD format
// at once, and hands any other format to the resampler or the MP3 encoder, which convert one
// file at a time in the background while the next track is ripped. Sets every sound's state for
// the list. Lives on the GUI thread; the stages hand their ends back to it there.
//
// For one import: ResetJobs, SetOutputFormat, AddRipJob per sound, StartJobs; CancelJobs at any
// time while work runs.
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
    // The sound (owned by the sound list) shows "Waiting.." and ssWaiting.
    void AddRipJob(tsound* sound, int track);
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
    // The main window sets its WriteID3, WriteBwav and WriteIXML flags before each import.
    TTagger& Tagger() { return tagger_; }

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
    void StopAfterRipError(const QString& error);
    void QueueEnd();
    void StartNextConversion();
    void ConversionDone();
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
};
