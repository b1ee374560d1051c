#pragma once

#include "cdimport/TNotification.h"
#include "cdimport/TOutputFormat.h"
#include "cdimport/TsdxJob.h"

#include <QString>

#include <memory>

// How a conversion ended. The stage shows nothing: whoever drives it decides what the user sees.
struct TConversionResult {
    bool Succeeded = false;
    QString Reason{};      // why it failed, for the import's list of failed tracks
    QString KeptAs{};      // the file the ripped audio was kept in when the conversion failed
    QString Output{};      // on success: the whole converted file, under a side name
};

// A background step run on one ripped file at a time: resampling or MP3 encoding.
// The stage never writes the final name: the job handler tags the output and puts it in place.
// The stage marks its job running and its sound ssConverting when it starts; at the end it
// marks the job done, the sound ssDone (sserror when the conversion failed, the ripped audio
// kept) and CopyCount 0, and then raises the done notification on the thread that started it.
class IConversionStage {
public:
    virtual ~IConversionStage() = default;
    virtual bool Busy() const = 0;
    // Runs `job` in the background and returns at once. Only called while not busy.
    // `writeTags`: the encoder passes the sound's ID3 fields on.
    virtual void Start(std::shared_ptr<TsdxJob> job, const TOutputFormat& format, bool writeTags) = 0;
    virtual void SetOnDone(TNotification notification) = 0;
    // How the job that ended last went; read from the done notification.
    virtual const TConversionResult& LastResult() const = 0;
};
