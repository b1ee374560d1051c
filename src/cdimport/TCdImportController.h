#pragma once

#include "app/TSoundRef.h"
#include "cdimport/TDiscRead.h"
#include "cdimport/TImportProgress.h"

#include <QList>
#include <QObject>
#include <QString>

class ICdImportPanel;
struct TImportRequest;
class IDiscLookups;
class TCDcontrol;
class TJobHandler;
class TSoundList;
class tsound;

// The main window's side of a CD import, without any widget: watches the drive, turns a new
// disc into one sound per track, starts the lookups, checks and starts "Rip marked" and
// "Rip disc", works out the progress, passes a cancel on and reports the disc back to the SFX
// CD database. Lives on the GUI thread; only the look at the drive runs on a worker thread.
class TCdImportController : public QObject {
    Q_OBJECT
public:
    TCdImportController(TSoundList& sounds, TCDcontrol& cd, TJobHandler& jobs,
                        ICdImportPanel& panel, IDiscLookups& lookups, QObject* parent = nullptr);
    // Takes its notifications back from the job handler.
    ~TCdImportController() override;

    // The drive timer's tick: a look at the drive on a worker thread; an open door empties the
    // list once, a disc not yet read is read.
    void CdDriveTimerTimer();
    // Reads the disc in the drive now (entering the import mode, another drive chosen).
    void ReadDiscNow();
    void LoadDisc(const TDiscRead& disc);
    void ClearDisc();
    const QString& DiscId() const { return discId_; }

    // "Rip marked" and "Rip disc"; true when work started. Refused while an import runs.
    bool acRipSelectedExecute();
    bool acRipDiscExecute();
    void btnCancelClick();
    // The progress timer's tick; false once the rips are over (the timer may stop).
    bool RipPaintTimerTimer();
    TImportProgress Progress() const;

    // From a start until the last rip or conversion of that import has ended.
    bool Running() const;
    // Running after Cancel: the rip or conversion that was running still finishes its file.
    bool Finishing() const { return cancelled_ && Running(); }
    // Before the window closes: stops the rip at its next block, waits for a running
    // conversion, and removes the file the stopped rip was writing.
    void StopForClose();

    static QString OverwriteQuestion(int existing);

private:
    void DiscLookedAt(const TDiscRead& disc);
    void ApplyCdText(const TCdText& text);
    void RunNewDiscLookups();
    bool CheckOutputFolders(const QList<TSoundRef>& marked, const QString& root);
    int ExistingOutputs(const QList<TSoundRef>& marked) const;
    void QueueJobs(const QList<TSoundRef>& marked);
    void ReportToDatabase(const TImportRequest& request);
    int TrackOf(const tsound* sound) const;
    void JobsFinished();
    void ReportFailures();

    TSoundList& sounds_;
    TCDcontrol& cd_;
    TJobHandler& jobs_;
    ICdImportPanel& panel_;
    IDiscLookups& lookups_;
    QString discId_;
    QList<TSoundRef> discTracks_; // in track order, whatever order the list shows
    bool readForced_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    int ripJobs_ = 0;
};
