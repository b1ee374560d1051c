#pragma once

#include "services/TFreeDbEntry.h"

#include <QObject>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class TFreeDB;
class TSoundList;
class TfSFXdb;
class TfrCdimport;

// The metadata buttons of the CD import panel: the two "freedb" buttons and "vovEZaz". A
// lookup writes into the panel's fields and the track descriptions only when it brought an
// entry: whatever the user typed stays when it fails.
class TCdImportLookups : public QObject {
    Q_OBJECT
public:
    TCdImportLookups(TfrCdimport& panel, TSoundList& sounds, TfSFXdb& sfxDb,
                     std::function<std::unique_ptr<TFreeDB>()> makeFreeDb,
                     QObject* parent = nullptr);

    // The disc identification string of the disc in the list (empty: no disc, no lookup).
    std::function<QString()> DiscId = [] { return QString(); };
    // After every freedb button press, with whether it was the Music tab's: the panel copies its
    // fields into the sounds and the titles follow the descriptions.
    std::function<void(bool music)> AfterFreeDb = [](bool) {};
    // After the fields and descriptions were filled from the database.
    std::function<void()> AfterDatabaseFill = [] {};

    // The "freedb" button of the Music tab (`music`) or of the SFX tab. True when an entry
    // was read and written.
    bool btnFreeDbClick(bool music);
    // The "vovEZaz" button. True when a CD was taken over.
    bool btnVOVezAZClick();
    // Takes the CD chosen in the database into the SFX fields and the descriptions.
    void FillFromDatabase();
    // Searches the database by the three fields, showing `searching` meanwhile and the tree
    // when several CDs match. True when a CD was chosen; says so when no server is set.
    bool SearchDatabase(QLineEdit* publisher, QLineEdit* series, QLineEdit* cd, QLabel* searching);

private:
    void WriteEntry(const TFreeDbEntry& entry);
    void WriteDescriptions(const QStringList& names);

    TfrCdimport& panel_;
    TSoundList& sounds_;
    TfSFXdb& sfxDb_;
    std::function<std::unique_ptr<TFreeDB>()> makeFreeDb_;
};
