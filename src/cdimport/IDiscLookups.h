#pragma once

#include <QString>
#include <QStringList>

// What the import asks of the metadata lookups: freedb and the SFX CD database.
class IDiscLookups {
public:
    virtual ~IDiscLookups() = default;
    // The database forgets the entry chosen for the previous disc.
    virtual void ResetSelection() = 0;
    // As pressing the "freedb" button of the Music tab (`music`) or of the SFX tab.
    virtual void FreeDb(bool music) = 0;
    // True when the database knows the disc; `dbId` is its entry then.
    virtual bool FindDbIdForDisc(const QString& discId, int& dbId) = 0;
    // Loads the entry and fills the SFX fields and the descriptions from it.
    virtual void FillFromDatabase(int dbId) = 0;
    // The database entry chosen for this disc; -1 for none.
    virtual int ChosenDbId() const = 0;
    // The reports back to the database are sent in the background: they return at once, so
    // that a slow or unreachable server never holds up the import that sends them.
    virtual void LinkDisc(int dbId, const QString& discId) = 0;
    virtual void AddDisc(const QString& publisher, const QString& series, const QString& cd,
                         const QString& discId, const QStringList& descriptions) = 0;
};
