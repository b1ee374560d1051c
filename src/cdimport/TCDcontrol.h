#pragma once

#include "app/TResult.h"
#include "cdimport/IAudioOutput.h"
#include "cdimport/ICdDriveList.h"
#include "cdimport/ICdDrives.h"
#include "cdimport/TDiscRead.h"
#include "cdimport/TNotification.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QFile;
class TRipThread;
class TSimpleThread;

// Whole seconds per track, -1 for a data track.
using TTrackLengthArray = QList<int>;

// The program's one door to the CD drives: drive list, disc contents, disc id, door state,
// preview of CD tracks and the ripper. Lives on the GUI thread; the rip itself copies on a
// worker thread and reports back here, so every field below is read and changed on the GUI
// thread only.
class TCDcontrol : public QObject, public ICdDriveList {
    Q_OBJECT
public:
    // Opens the audio output. Without one the program goes on, with previews that do not
    // play; `OutputResult` tells why, for the caller to show.
    TCDcontrol(std::unique_ptr<ICdDrives> drives, std::unique_ptr<IAudioOutput> output,
               QObject* parent = nullptr);
    ~TCDcontrol() override;
    const TResult& OutputResult() const { return outputResult_; }

    // Appends one line per drive, returns the count (0 on a machine without any) and selects
    // drive 0.
    int ListDrives(QStringList& list);
    QStringList ListDrives() override;
    // Looks for drives anew on a worker thread and hands the lines to `listed` on this
    // thread. A call while a listing runs is answered by that listing.
    void ListDrivesInBackground(QObject* receiver, TDrivesListed listed) override;
    void SelectDrive(int drive) { drive_ = drive; }
    int SelectedDrive() const { return drive_; }

    bool IsDoorOpen();
    int GetTrackCount();
    void ReadTrackList(QStringList& list, TTrackLengthArray& lengths);
    QString GetDiscId();
    // Looks at the selected drive on a worker thread (opening a drive can block for seconds)
    // and hands what it found to `done` on this thread, unless `receiver` is gone by then.
    // One look at a time: a call while one runs is refused with false.
    using TDiscReadDone = std::function<void(const TDiscRead&)>;
    bool ReadDiscInBackground(QObject* receiver, TDiscReadDone done);
    bool ReadingDisc() const { return bool(discReading_); }
    // Whole seconds of CD audio in `bytes`, truncated.
    static int TrackSeconds(qint64 bytes);

    // Preview of a CD track (tracks count from 0). Every call does nothing while ripping.
    // False when the track does not play (no sound output, no such track).
    bool PlayTrack(int track);
    void StopPreview();
    void TogglePreview();
    void SetPreviewVolume(float volume);
    void SeekPreview(int percent);
    int PreviewPercent() const;
    double PreviewSeconds() const;
    bool IsPreviewPlaying() const;
    // The output, for previews of sound files.
    IAudioOutput& AudioOutput() { return *output_; }

    // Starts ripping `track` of the selected drive into `fileName` and returns; OnRipDone
    // follows when the file is closed, also after a cancel. An error, and no OnRipDone, when
    // the track cannot be opened, the file cannot be created or its header not written (no file
    // is left under the name then), or a rip is already running.
    TResult RipTrack(const QString& fileName, int track);
    // The running rip stops after the block it is copying and keeps a valid, shorter file.
    void CancelRip();
    // A track of the selected drive's disc that holds data, not audio.
    bool IsDataTrack(int track);
    // Secure (verified) reads by default; plain reads are faster on a clean disc.
    void SetRipReadMode(TCdReadMode mode) { ripReadMode_ = mode; }

    int Percent() const { return percent_; }
    const QString& StatusText() const { return statusText_; }
    bool Ripping() const { return ripping_; }
    // Why the last rip's file does not hold the track's exact audio: a write error (with the
    // file's name and the system's reason), or a read error or unreadable sectors (after the
    // track's name); empty when it completed or was cancelled.
    const QString& RipError() const { return ripError_; }
    // What the last rip's secure read corrected, for the track's details; empty for plain reads.
    const QString& RipReport() const { return ripReport_; }
    bool DiscLoaded() const { return discLoaded_; }
    void SetDiscLoaded(bool loaded) { discLoaded_ = loaded; }

    TNotification OnStatus;   // after every change of StatusText
    TNotification OnProgress; // after every change of Percent
    TNotification OnRipDone;  // when a rip has closed its file

private slots:
    void RipBlockCopied(qint64 position, qint64 length);
    void RipThreadFinished();

private:
    TResult OpenOutput();
    void DrivesFound();
    void SetStatus(const QString& text);
    // Takes the file back from the finished rip thread, completes its header and closes it.
    void CloseRipFile();
    TResult CreateWavFile(const QString& fileName, const IPcmSource& source,
                          std::unique_ptr<QFile>& file);
    QString TrackOpenError(int track);
    // AccurateRip leaves out the end of the disc's last audio track.
    bool IsLastAudioTrack(int track);
    // Safe on a worker thread: it only asks the drives.
    TDiscRead ReadDisc(int drive) const;
    void DiscReadEnded();

    std::unique_ptr<ICdDrives> drives_;
    std::unique_ptr<IAudioOutput> output_;
    int drive_ = 0;
    int lastPreviewTrack_ = 0;
    int percent_ = 0;
    QString statusText_;
    bool ripping_ = false;
    int blockCounter_ = 0;
    std::unique_ptr<IAudioPlayer> preview_;
    float previewVolume_ = 1.0f;
    std::atomic<bool> cancelRequest_ = false;
    bool discLoaded_ = false;
    TCdReadMode ripReadMode_ = TCdReadMode::Secure;
    TRipThread* ripThread_ = nullptr;
    QString ripTrackName_;
    QString ripError_;
    QString ripReport_;
    TResult outputResult_;
    QList<std::pair<QPointer<QObject>, TDrivesListed>> waitingForDrives_;
    QList<TCdDrive> foundDrives_; // written by the listing's thread, read after its end
    // A look at the disc must not meet a change of the drive list.
    mutable std::mutex drivesInUse_;
    TDiscRead discRead_; // written by the look's thread, read after its end
    QPointer<QObject> discReadReceiver_;
    TDiscReadDone discReadDone_;
    // Last, so that they are destroyed first: their threads use the drives.
    std::unique_ptr<TSimpleThread> driveListing_;
    std::unique_ptr<TSimpleThread> discReading_;
};
