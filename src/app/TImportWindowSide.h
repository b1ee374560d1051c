#pragma once

#include "cdimport/ICdImportPanel.h"
#include "cdimport/IDiscLookups.h"
#include "services/IHttpClient.h"

#include <optional>

class QTimer;
class TCdImportController;
class TfMainForm;

// The main window as the import sees it: the CD import panel's fields and boxes, the sound
// list's marks and rows, the work panel, and the lookups of the metadata services.
class TImportWindowSide : public ICdImportPanel, public IDiscLookups {
public:
    explicit TImportWindowSide(TfMainForm& form);
    void SetController(TCdImportController* controller) { controller_ = controller; }

    // Copies the fields of the tab in use into every sound.
    void ApplyFields(bool music);

    // ICdImportPanel
    bool DriveCheckAllowed() const override;
    int DriveIndex() override;
    void DiscCleared() override;
    void DiscListed(bool hasTracks) override;
    void TakeCdText(const TCdText& text) override;
    void DescriptionsChanged() override;
    TLookupOptions LookupOptions() const override;
    QList<TSoundRef> MarkedSounds() const override;
    void MarkAll() override;
    void ScrollToTop() override;
    void RememberFields(bool music) override;
    TImportRequest ImportRequest() override;
    void ImportStarted() override;
    void ShowProgress(const TImportProgress& progress) override;
    void RipProgressed() override;
    void ImportFinishing() override;
    void ImportEnded() override;

    // IDiscLookups
    void ResetSelection() override;
    void FreeDb(bool music) override;
    bool FindDbIdForDisc(const QString& discId, int& dbId) override;
    void FillFromDatabase(int dbId) override;
    int ChosenDbId() const override;
    void LinkDisc(int dbId, const QString& discId) override;
    void AddDisc(const QString& publisher, const QString& series, const QString& cd,
                 const QString& discId, const QStringList& descriptions) override;

private:
    bool MusicTab() const;
    void ShowRipButtons(bool shown);
    void RipPaintTimerTimer();
    void SendReport(const std::optional<THttpRequest>& request);

    TfMainForm& form_;
    TCdImportController* controller_ = nullptr;
    QTimer* ripPaintTimer_ = nullptr;
};
