#pragma once

#include "app/TWorkerThreads.h"
#include "naming/TFileNameOptions.h"
#include "naming/TPanelValues.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class TSoundList;

// Lists a folder into new sound records on a worker thread, so that the window never waits for
// a slow or long folder and never handles its events while half a list is held on its stack.
// The records are handed over whole, by a queued signal, once their names are built; a load
// started while another runs makes the older one stop and its result is never delivered.
class TFolderLoader : public QObject {
    Q_OBJECT
public:
    explicit TFolderLoader(QObject* parent = nullptr);
    // Stops any load and waits for its thread.
    ~TFolderLoader() override;

    // Starts listing `folder` (its bytes, as the system spells it) into records that carry
    // `panel` and the names of `naming` (both copied: later edits do not reach the load).
    void Start(const QByteArray& folder, const TFileNameOptions& naming, const TPanelValues& panel);
    // The running load stops; it delivers nothing.
    void Abandon();
    bool Running() const { return bool(current_); }

signals:
    // Files read so far by the load that runs (every few thousand files).
    void Progress(int listed);
    // The records of the folder, in its order and named; `error` is empty when all went well
    // (with an error, the records read until then).
    void Loaded(std::shared_ptr<TSoundList> sounds, QString error);

private:
    struct TLoad;
    void Finished(const std::shared_ptr<TLoad>& load, std::shared_ptr<TSoundList> sounds,
                  const QString& error);

    std::shared_ptr<TLoad> current_; // the load whose result is wanted
    TWorkerThreads threads_;         // last: its loads post to this object
};
