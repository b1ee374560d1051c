#include "services/TCdImportLookups.h"

#include "app/ConnectShowingErrors.h"
#include "app/IUserMessages.h"
#include "app/TSoundList.h"
#include "app/tsound.h"
#include "cdimport/TfrCdimport.h"
#include "services/TFreeDB.h"
#include "services/TfSFXdb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TCdImportLookups::TCdImportLookups(TfrCdimport& panel, TSoundList& sounds, TfSFXdb& sfxDb,
                                   std::function<std::unique_ptr<TFreeDB>()> makeFreeDb,
                                   QObject* parent)
    : QObject(parent), panel_(panel), sounds_(sounds), sfxDb_(sfxDb),
      makeFreeDb_(std::move(makeFreeDb)) {
    ConnectShowingErrors(panel.btnMusicFreeDb, &QPushButton::clicked, this,
                         [this] { btnFreeDbClick(true); });
    ConnectShowingErrors(panel.btnSFXfreedb, &QPushButton::clicked, this,
                         [this] { btnFreeDbClick(false); });
    ConnectShowingErrors(panel.btnVOVezAZ, &QPushButton::clicked, this,
                         [this] { btnVOVezAZClick(); });
}

bool TCdImportLookups::btnFreeDbClick(bool music) {
    const std::unique_ptr<TFreeDB> freeDb = makeFreeDb_();
    const TFreeDbClient::TLookup lookup = freeDb->QueryDisc(DiscId());
    if (lookup.Read)
        WriteEntry(lookup.Entry);
    AfterFreeDb(music);
    return lookup.Read;
}

void TCdImportLookups::WriteEntry(const TFreeDbEntry& entry) {
    panel_.editArtist->setText(entry.Artist);
    panel_.editSeries->setText(entry.Artist);
    panel_.editAlbum->setText(entry.Album);
    panel_.editCD->setText(entry.Album);
    panel_.editGenre->setText(entry.Genre);
    panel_.editYear->setText(entry.Year);
    WriteDescriptions(entry.Titles);
}

void TCdImportLookups::WriteDescriptions(const QStringList& names) {
    const int count = std::min<int>(sounds_.Count(), int(names.size()));
    for (int i = 0; i < count; ++i)
        sounds_.Items(i)->Description = names[i];
}

bool TCdImportLookups::btnVOVezAZClick() {
    if (!SearchDatabase(panel_.editPublisher, panel_.editSeries, panel_.editCD, panel_.lblDB))
        return false;
    FillFromDatabase();
    return true;
}

bool TCdImportLookups::SearchDatabase(QLineEdit* publisher, QLineEdit* series, QLineEdit* cd,
                                      QLabel* searching) {
    if (!sfxDb_.HasServer()) {
        UserMessages().ShowMessage(TSfxDbClient::NoServerMessage);
        return false;
    }
    searching->show();
    searching->repaint();
    bool single = false;
    const bool found = sfxDb_.Search(publisher->text(), series->text(), cd->text(), single);
    const bool chosen = found && (single || sfxDb_.Choose());
    searching->hide();
    return chosen;
}

void TCdImportLookups::FillFromDatabase() {
    const TSfxDbClient& chosen = sfxDb_.Client();
    panel_.editSeries->setText(chosen.Series);
    panel_.editCD->setText(chosen.CD);
    panel_.editPublisher->setText(chosen.Producer);
    WriteDescriptions(chosen.TrackNames);
    AfterDatabaseFill();
}
