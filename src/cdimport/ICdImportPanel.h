#pragma once

#include "app/TSoundRef.h"
#include "cdimport/ICdDrives.h"
#include "cdimport/TOutputFormat.h"
#include "naming/TFileNameOptions.h"

#include <QList>
#include <QString>

struct TImportProgress;

// The panel's state when an import starts: the tab in use, its tag boxes and fields, and the
// output options.
struct TImportRequest {
    bool Music = false;
    bool WriteID3 = false;
    bool WriteBwav = false;
    bool WriteIXML = false;
    bool ReportToDatabase = false; // "Send updates back to the  VOVezaz"
    QString Publisher;
    QString Series;
    QString CD;
    QString OutputRoot;
    TOutputFormat Format;
    TFileNameOptions Naming;
    int ShortCount = 25; // characters of "%SDes;"
};

// Which lookups a new disc starts.
struct TLookupOptions {
    bool Music = false; // the Music tab is shown
    bool AutoMusicFreeDb = false;
    bool AutoSfxFreeDb = false;
    bool AutoSfxDb = false;
};

// What the import asks of the main window and its CD import panel.
class ICdImportPanel {
public:
    virtual ~ICdImportPanel() = default;
    // Started, in the import mode, not busy, and no lookup waits for an answer.
    virtual bool DriveCheckAllowed() const = 0;
    // The drive chosen in the options (the first when none is chosen yet); -1 without drives.
    virtual int DriveIndex() = 0;
    // The list was emptied (door open): forget the previewed track, show the empty list.
    virtual void DiscCleared() = 0;
    // The list holds the new disc's tracks, not yet sorted or shown.
    virtual void DiscListed(bool hasTracks) = 0;
    // The disc's CD-Text: album and performer go into the empty Music fields.
    virtual void TakeCdText(const TCdText& text) = 0;
    // Descriptions changed without the list being rebuilt.
    virtual void DescriptionsChanged() = 0;
    virtual TLookupOptions LookupOptions() const = 0;

    // The marked sounds in list order.
    virtual QList<TSoundRef> MarkedSounds() const = 0;
    virtual void MarkAll() = 0;
    virtual void ScrollToTop() = 0;
    // Adds the fields of the tab in use to its suggestion history.
    virtual void RememberFields(bool music) = 0;
    // Copies the fields of the tab in use into the sounds first.
    virtual TImportRequest ImportRequest() = 0;
    // Work starts: repaint every row, show the work panel.
    virtual void ImportStarted() = 0;
    virtual void ShowProgress(const TImportProgress& progress) = 0;
    // After each rip: the rows' states changed.
    virtual void RipProgressed() = 0;
    // Cancel was taken, but the rip or conversion that ran still finishes its file: the window
    // stays busy and says so.
    virtual void ImportFinishing() = 0;
    // All work has ended or was cancelled: back to browsing.
    virtual void ImportEnded() = 0;
};
