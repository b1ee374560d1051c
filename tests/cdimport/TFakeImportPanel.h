#pragma once

#include "app/TSoundList.h"
#include "cdimport/ICdImportPanel.h"
#include "cdimport/TImportProgress.h"

#include <QStringList>

// The window's side as a test sets it up: which sounds are marked and what the fields hold;
// records what the import asked of it.
class TFakeImportPanel : public ICdImportPanel {
public:
    explicit TFakeImportPanel(TSoundList& sounds) : sounds_(sounds) {}

    bool Allowed = true;
    int Drive = 0;
    QList<int> Marked; // positions in the list
    TImportRequest Request;
    TLookupOptions Lookups;

    int Cleared = 0;
    int Listed = 0;
    bool RipButtonsShown = false;
    int Started = 0;
    int Ended = 0;
    int Finishing = 0;
    int RipSteps = 0;
    QStringList Remembered;
    TCdText TakenText;
    QList<TImportProgress> Shown;

    bool DriveCheckAllowed() const override { return Allowed; }
    int DriveIndex() override { return Drive; }
    void DiscCleared() override {
        ++Cleared;
        RipButtonsShown = false;
    }
    void DiscListed(bool hasTracks) override {
        ++Listed;
        RipButtonsShown = hasTracks;
        sounds_.SortByDescription();
    }
    void TakeCdText(const TCdText& text) override { TakenText = text; }
    void DescriptionsChanged() override {}
    TLookupOptions LookupOptions() const override { return Lookups; }
    QList<TSoundRef> MarkedSounds() const override {
        QList<TSoundRef> marked;
        for (int row : Marked)
            marked.append(sounds_.Ref(row));
        return marked;
    }
    void MarkAll() override {
        Marked.clear();
        for (int row = 0; row < sounds_.Count(); ++row)
            Marked.append(row);
    }
    void ScrollToTop() override {}
    void RememberFields(bool music) override { Remembered.append(music ? "music" : "sfx"); }
    TImportRequest ImportRequest() override { return Request; }
    void ImportStarted() override { ++Started; }
    void ShowProgress(const TImportProgress& progress) override { Shown.append(progress); }
    void RipProgressed() override { ++RipSteps; }
    void ImportFinishing() override { ++Finishing; }
    void ImportEnded() override { ++Ended; }

private:
    TSoundList& sounds_;
};
