#include "app/TImportWindowSide.h"

#include "app/TfMainForm.h"
#include "app/tsound.h"
#include "cdimport/DiscFields.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TImportProgress.h"
#include "cdimport/TfrCdimport.h"
#include "naming/DescriptionTools.h"
#include "naming/OutputPaths.h"
#include "services/TCdImportLookups.h"
#include "services/TMetadataServices.h"
#include "services/TWaitingHttpClient.h"
#include "ui/TCDripperList.h"
#include "ui/TfrOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

TImportWindowSide::TImportWindowSide(TfMainForm& form) : form_(form) {
    ripPaintTimer_ = new QTimer(&form);
    ripPaintTimer_->setObjectName("RipPaintTimer");
    ripPaintTimer_->setInterval(400);
    QObject::connect(ripPaintTimer_, &QTimer::timeout, &form, [this] { RipPaintTimerTimer(); });
}

bool TImportWindowSide::MusicTab() const { return form_.frCdimport()->PageControl->currentIndex() == 1; }

void TImportWindowSide::ApplyFields(bool music) {
    const TfrCdimport& panel = *form_.frCdimport();
    if (music)
        ApplyMusicFields(form_.Sounds(), {panel.editArtist->text(), panel.editAlbum->text(),
                                          panel.editGenre->text(), panel.editYear->text(),
                                          panel.editDisc->text(), panel.chkMusicBwav->isChecked()});
    else
        ApplySfxFields(form_.Sounds(), {panel.editSeries->text(), panel.editCD->text(),
                                        panel.editPublisher->text(), panel.chkSFXbwav->isChecked()});
    form_.ScheduleListRefresh();
}

bool TImportWindowSide::DriveCheckAllowed() const {
    return form_.Started() && form_.ImportMode() && form_.WorkState() == EWorkState::Idle &&
           form_.frOptions()->HasDrives() &&
           !TWaitingHttpClient::RequestRunning();
}

int TImportWindowSide::DriveIndex() {
    TfrOptions& options = *form_.frOptions();
    if (!options.HasDrives())
        return -1;
    if (options.DriveNumber() < 0)
        options.SelectDrive(0);
    return std::max(options.DriveNumber(), 0);
}

void TImportWindowSide::ShowRipButtons(bool shown) {
    form_.frCdimport()->btnRipSel->setVisible(shown);
    form_.frCdimport()->btnRipDisc->setVisible(shown);
}

void TImportWindowSide::DiscCleared() {
    form_.SoundList()->RefreshList();
    ShowRipButtons(false);
}

void TImportWindowSide::DiscListed(bool hasTracks) {
    if (hasTracks)
        ShowRipButtons(true);
    form_.SoundList()->RefreshList();
    form_.ScheduleListRefresh();
}

void TImportWindowSide::TakeCdText(const TCdText& text) {
    TfrCdimport& panel = *form_.frCdimport();
    if (panel.editAlbum->text().isEmpty())
        panel.editAlbum->setText(text.Album);
    if (panel.editArtist->text().isEmpty())
        panel.editArtist->setText(text.Performer);
}

void TImportWindowSide::DescriptionsChanged() {
    ApplyFields(MusicTab());
    SyncTitlesFromDescriptions(form_.Sounds(), !MusicTab());
    form_.SoundList()->InvalidateAll();
}

TLookupOptions TImportWindowSide::LookupOptions() const {
    const TfrOptions& options = *form_.frOptions();
    return {MusicTab(), options.chkAutoMusFreeDB->isChecked(), options.chkAutoSFXFreeDB->isChecked(),
            options.chkAutoSFXdb->isChecked()};
}

QList<TSoundRef> TImportWindowSide::MarkedSounds() const { return form_.SoundList()->MarkedSounds(); }

void TImportWindowSide::MarkAll() {
    form_.SoundList()->MarkAll();
    form_.SoundList()->PaintAll();
}

void TImportWindowSide::ScrollToTop() { form_.SoundList()->scrollToTop(); }

void TImportWindowSide::RememberFields(bool music) {
    TfrCdimport& panel = *form_.frCdimport();
    if (music) {
        for (const QLineEdit* edit : {panel.editArtist, panel.editAlbum})
            panel.MusicHistory.Add(edit->text());
    } else {
        for (const QLineEdit* edit : {panel.editSeries, panel.editCD, panel.editPublisher})
            panel.SFXHistory.Add(edit->text());
    }
}

TImportRequest TImportWindowSide::ImportRequest() {
    const TfrCdimport& panel = *form_.frCdimport();
    TImportRequest request;
    request.Music = MusicTab();
    ApplyFields(request.Music);
    request.WriteID3 = request.Music ? panel.chkMusicID3->isChecked() : panel.chkSfxId3->isChecked();
    request.WriteBwav = request.Music ? panel.chkMusicBwav->isChecked() : panel.chkSFXbwav->isChecked();
    request.WriteIXML = request.Music ? panel.chkMusicIXML->isChecked() : panel.chksfxIXML->isChecked();
    request.ReportToDatabase = form_.frOptions()->chkDoPost->isChecked();
    request.Publisher = panel.editPublisher->text();
    request.Series = panel.editSeries->text();
    request.CD = panel.editCD->text();
    request.OutputRoot = form_.cdOutputRoot;
    request.Format = form_.OutputFormat;
    request.Naming = form_.CdNaming;
    request.ShortCount = form_.ShortCount();
    return request;
}

void TImportWindowSide::ImportStarted() {
    form_.SoundList()->PaintAll();
    ripPaintTimer_->start();
    form_.SetBusy(true);
}

void TImportWindowSide::ShowProgress(const TImportProgress& progress) {
    form_.Gauge()->setMaximum(std::max(progress.Maximum, 1));
    form_.Gauge()->setValue(progress.Position);
    form_.StatusLine()->setText(progress.Label);
}

void TImportWindowSide::RipPaintTimerTimer() {
    form_.SoundList()->WakePainter();
    if (!controller_ || !controller_->RipPaintTimerTimer())
        ripPaintTimer_->stop();
}

void TImportWindowSide::RipProgressed() { form_.SoundList()->InvalidateAll(); }

void TImportWindowSide::ImportFinishing() {
    form_.StatusLine()->setText(FinishingConversionText);
    form_.CancelButton()->setEnabled(false);
}

void TImportWindowSide::ImportEnded() {
    form_.CancelButton()->setEnabled(true);
    form_.SetBusy(false);
    form_.SoundList()->InvalidateAll();
}

void TImportWindowSide::ResetSelection() { form_.Services()->SfxDb().ResetSelection(); }

void TImportWindowSide::FreeDb(bool music) { form_.Services()->CdImportLookups().btnFreeDbClick(music); }

bool TImportWindowSide::FindDbIdForDisc(const QString& discId, int& dbId) {
    return form_.Services()->SfxDb().FindDbIdForDisc(discId, dbId);
}

void TImportWindowSide::FillFromDatabase(int dbId) {
    if (form_.Services()->SfxDb().LoadTracks(dbId))
        form_.Services()->CdImportLookups().FillFromDatabase();
}

int TImportWindowSide::ChosenDbId() const { return form_.Services()->SfxDb().Client().DbId; }

void TImportWindowSide::SendReport(const std::optional<THttpRequest>& request) {
    if (!request)
        return;
    form_.Services()->SendInBackground(*request, [this](const TResult& outcome) {
        form_.StatusLine()->setText(outcome ? QStringLiteral("The disc was reported to the SFX CD database")
                                            : "The SFX CD database did not take the disc: " +
                                                  outcome.ErrorText());
    });
}

void TImportWindowSide::LinkDisc(int dbId, const QString& discId) {
    SendReport(form_.Services()->SfxDb().Client().LinkDiscRequest(dbId, discId));
}

void TImportWindowSide::AddDisc(const QString& publisher, const QString& series, const QString& cd,
                                const QString& discId, const QStringList& descriptions) {
    SendReport(form_.Services()->SfxDb().Client().AddDiscRequest(publisher, series, cd, discId,
                                                                 descriptions));
}
