#pragma once

#include "cdimport/IDiscLookups.h"

#include <QStringList>

// Lookups that answer as the test says and record each call as a line.
class TFakeDiscLookups : public IDiscLookups {
public:
    int KnownDbId = -1; // what FindDbIdForDisc finds; -1: the disc is unknown
    int Chosen = -1;
    QStringList Calls;
    QStringList AddedDescriptions;

    void ResetSelection() override { Calls.append("ResetSelection"); }
    void FreeDb(bool music) override { Calls.append(music ? "FreeDb music" : "FreeDb sfx"); }
    bool FindDbIdForDisc(const QString& discId, int& dbId) override {
        Calls.append("FindDbIdForDisc " + discId);
        dbId = KnownDbId;
        return KnownDbId >= 0;
    }
    void FillFromDatabase(int dbId) override { Calls.append(QString("Fill %1").arg(dbId)); }
    int ChosenDbId() const override { return Chosen; }
    void LinkDisc(int dbId, const QString& discId) override {
        Calls.append(QString("LinkDisc %1 %2").arg(dbId).arg(discId));
    }
    void AddDisc(const QString& publisher, const QString& series, const QString& cd,
                 const QString& discId, const QStringList& descriptions) override {
        Calls.append(QString("AddDisc %1/%2/%3 %4").arg(publisher, series, cd, discId));
        AddedDescriptions = descriptions;
    }
};
