#include "cdimport/TCdImportController.h"

#include "app/IUserMessages.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "cdimport/ICdImportPanel.h"
#include "cdimport/IDiscLookups.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TJobHandler.h"
#include "naming/NameBuilders.h"
#include "naming/OutputPaths.h"
#include "tags/TagTemplates.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <exception>

namespace {
const char* const nothingMarked =
    "No sounds marked for ripping\nClick the circle next to the sounds or click Rip Disc";
} // namespace

TCdImportController::TCdImportController(TSoundList& sounds, TCDcontrol& cd, TJobHandler& jobs,
                                         ICdImportPanel& panel, IDiscLookups& lookups,
                                         QObject* parent)
    : QObject(parent), sounds_(sounds), cd_(cd), jobs_(jobs), panel_(panel), lookups_(lookups) {
    jobs_.OnRipProgress = [this] {
        panel_.RipProgressed();
        // The line follows the rows at once, not at the next tick of the paint timer.
        if (running_)
            panel_.ShowProgress(Progress());
    };
    jobs_.OnFinished = [this] { JobsFinished(); };
}

TCdImportController::~TCdImportController() {
    jobs_.OnRipProgress = {};
    jobs_.OnFinished = {};
}

// ---- The drive

void TCdImportController::CdDriveTimerTimer() {
    if (!panel_.DriveCheckAllowed() || Running() || cd_.ReadingDisc())
        return;
    const int drive = panel_.DriveIndex();
    if (drive < 0)
        return;
    cd_.SelectDrive(drive);
    cd_.ReadDiscInBackground(this, [this](const TDiscRead& disc) { DiscLookedAt(disc); });
}

void TCdImportController::ReadDiscNow() {
    readForced_ = true;
    CdDriveTimerTimer();
}

void TCdImportController::DiscLookedAt(const TDiscRead& disc) {
    const bool forced = std::exchange(readForced_, false);
    // The window may have gone busy or left the import mode while the drive answered.
    if (!panel_.DriveCheckAllowed() || Running())
        return;
    if (disc.DoorOpen) {
        if (sounds_.Count() > 0)
            ClearDisc();
        cd_.SetDiscLoaded(false);
    } else if (forced || !cd_.DiscLoaded() || sounds_.Count() == 0) {
        LoadDisc(disc);
    }
}

void TCdImportController::ClearDisc() {
    sounds_.Clear();
    discTracks_.clear();
    panel_.DiscCleared();
}

void TCdImportController::LoadDisc(const TDiscRead& disc) {
    discId_ = disc.DiscId;
    lookups_.ResetSelection();
    sounds_.Clear();
    discTracks_.clear();
    for (int i = 0; i < disc.TrackNames.size(); ++i) {
        auto sound = std::make_unique<tsound>();
        sound->Description = disc.TrackNames[i];
        sound->LengthSek = float(disc.Lengths.value(i, -1));
        sound->ID3.Track = QString::asprintf("%.2d", i + 1);
        sound->Status = ssCdTrack;
        TSoundRef track(std::move(sound));
        discTracks_.append(track);
        sounds_.Add(std::move(track));
    }
    panel_.DiscListed(!disc.TrackNames.isEmpty());
    cd_.SetDiscLoaded(true);
    // After the list was sorted by the numbered names: titles must not reorder the tracks.
    ApplyCdText(disc.Text);
    RunNewDiscLookups();
}

void TCdImportController::ApplyCdText(const TCdText& text) {
    if (text.IsEmpty())
        return;
    for (int i = 0; i < discTracks_.size() && i < text.TrackTitles.size(); ++i) {
        if (!text.TrackTitles[i].isEmpty())
            discTracks_[i]->Description = text.TrackTitles[i];
    }
    panel_.TakeCdText(text);
    panel_.DescriptionsChanged();
}

void TCdImportController::RunNewDiscLookups() {
    if (sounds_.Count() == 0)
        return;
    const TLookupOptions options = panel_.LookupOptions();
    if (options.Music) {
        if (options.AutoMusicFreeDb)
            lookups_.FreeDb(true);
        return;
    }
    bool found = false;
    if (options.AutoSfxDb) {
        int dbId = -1;
        found = lookups_.FindDbIdForDisc(discId_, dbId);
        if (found)
            lookups_.FillFromDatabase(dbId);
    }
    if (!found && options.AutoSfxFreeDb)
        lookups_.FreeDb(false);
}

// ---- Starting an import

bool TCdImportController::acRipDiscExecute() {
    if (Running())
        return false;
    panel_.MarkAll();
    return acRipSelectedExecute();
}

bool TCdImportController::acRipSelectedExecute() {
    // A second start would empty the queues under the running rip.
    if (Running())
        return false;
    panel_.ScrollToTop();
    const QList<TSoundRef> marked = panel_.MarkedSounds();
    if (marked.isEmpty()) {
        UserMessages().ShowMessage(nothingMarked);
        return false;
    }
    if (sounds_.Count() == 0)
        return false;
    const TImportRequest request = panel_.ImportRequest();
    panel_.RememberFields(request.Music);
    jobs_.Tagger().WriteID3 = request.WriteID3;
    jobs_.Tagger().WriteBwav = request.WriteBwav;
    jobs_.Tagger().WriteIXML = request.WriteIXML;
    if (request.OutputRoot.isEmpty() || !QFileInfo(request.OutputRoot).isDir()) {
        UserMessages().ShowMessage(request.OutputRoot.isEmpty()
                                       ? QString("No output folder")
                                       : "Invalid output folder\n" + request.OutputRoot);
        return false;
    }
    // The names follow the latest edits, even those the refresh timer has not reached yet.
    BuildImportNames(sounds_, request.Naming, request.ShortCount, request.Format.AudioFormat);
    BuildOutputPaths(sounds_, request.Naming, request.OutputRoot);
    if (!CheckOutputFolders(marked, request.OutputRoot))
        return false;
    if (const int existing = ExistingOutputs(marked); existing > 0) {
        if (!UserMessages().AskYesNo(OverwriteQuestion(existing)))
            return false;
        // The question's event loop ran timers and queued calls: if the list was replaced
        // meanwhile (the window refuses that, but a second line of defence costs nothing),
        // the answer was about tracks that are no longer there.
        for (const TSoundRef& sound : marked)
            if (sounds_.IndexOf(sound.get()) < 0 || Running())
                return false;
    }
    jobs_.ResetJobs();
    jobs_.SetOutputFormat(request.Format);
    for (tsound* sound : sounds_)
        sound->Status = ssCdTrack;
    QueueJobs(marked);
    running_ = true;
    cancelled_ = false;
    panel_.ImportStarted();
    panel_.ShowProgress(Progress());
    jobs_.StartJobs();
    // Sent in the background: the rip has already begun and never waits for the server.
    ReportToDatabase(request);
    return true;
}

bool TCdImportController::CheckOutputFolders(const QList<TSoundRef>& marked, const QString& root) {
    QSet<QString> folders;
    for (const TSoundRef& sound : marked)
        folders.insert(QFileInfo(sound->path).path());
    for (const QString& folder : folders) {
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
            UserMessages().ShowMessage("Invalid output folder\n" + root);
            return false;
        }
    }
    return true;
}

QString TCdImportController::OverwriteQuestion(int existing) {
    return QString("%1 files already exist in the output folder. Overwrite them?").arg(existing);
}

int TCdImportController::ExistingOutputs(const QList<TSoundRef>& marked) const {
    int existing = 0;
    for (const TSoundRef& sound : marked)
        existing += QFileInfo::exists(sound->path) ? 1 : 0;
    return existing;
}

void TCdImportController::QueueJobs(const QList<TSoundRef>& marked) {
    for (const TSoundRef& sound : marked) {
        if (sound->XMLdata.isEmpty())
            MakeDefaultIxml(*sound);
        jobs_.AddRipJob(sound, TrackOf(sound.get()));
    }
    ripJobs_ = int(marked.size());
}

int TCdImportController::TrackOf(const tsound* sound) const {
    for (int track = 0; track < discTracks_.size(); ++track)
        if (discTracks_[track].get() == sound)
            return track;
    return sounds_.IndexOf(sound);
}

void TCdImportController::ReportToDatabase(const TImportRequest& request) {
    if (!request.ReportToDatabase || request.Music)
        return;
    // The import goes on whatever the database answers.
    try {
        const int dbId = lookups_.ChosenDbId();
        if (dbId >= 0) {
            lookups_.LinkDisc(dbId, discId_);
            return;
        }
        QStringList descriptions;
        for (const tsound* sound : sounds_)
            descriptions.append(sound->Description);
        lookups_.AddDisc(request.Publisher, request.Series, request.CD, discId_, descriptions);
    } catch (const std::exception&) {
    }
}

// ---- While it runs

TImportProgress TCdImportController::Progress() const {
    return TImportProgress::Compute(ripJobs_, jobs_.RipsDone(), jobs_.ConvIndex(), cd_.Percent(),
                                    jobs_.EncodeMp3() || jobs_.NeedsResample());
}

bool TCdImportController::RipPaintTimerTimer() {
    const bool ripping = jobs_.RipActive();
    if (const TsdxJob* job = jobs_.CurrentRipJob())
        job->sound->CopyCount = cd_.Percent();
    if (running_)
        panel_.ShowProgress(Progress());
    return ripping;
}

void TCdImportController::btnCancelClick() {
    if (!Running())
        return;
    cancelled_ = true;
    jobs_.CancelJobs();
}

bool TCdImportController::Running() const {
    return running_ || jobs_.RipInProgress() || jobs_.ConversionRunning();
}

void TCdImportController::StopForClose() {
    btnCancelClick();
    // No report box while the window closes: what was kept says so in its name.
    running_ = false;
    while (jobs_.RipInProgress() || jobs_.ConversionRunning()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
}

void TCdImportController::JobsFinished() {
    // After a cancel the stopped rip and a running conversion still end later; until then
    // they work on their sounds and files, and the window stays busy.
    if (jobs_.RipInProgress() || jobs_.ConversionRunning()) {
        panel_.ImportFinishing();
        return;
    }
    panel_.ImportEnded();
    if (!running_)
        return;
    running_ = false;
    ReportFailures();
}

void TCdImportController::ReportFailures() {
    const QList<TImportFailure>& failures = jobs_.Failures();
    if (failures.isEmpty())
        return;
    QString text = "These tracks were not imported:";
    for (const TImportFailure& failure : failures)
        text += "\n" + failure.Text();
    UserMessages().ShowMessage(text);
}
