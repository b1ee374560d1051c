#pragma once

#include "services/TSfxDbClient.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The dialog "SFX CD Database": the matches of a search as a Producer > Series > CD tree, from
// which a click on a CD takes that CD. It lives for the whole run and holds the database
// client with the CD chosen.
class TfSFXdb : public QDialog {
    Q_OBJECT
public:
    TfSFXdb(IHttpClient& http, IConnectionCheck& connection, std::function<QString()> host,
            const QString& programFolder, int& cddbVersion, QWidget* parent = nullptr);

    // The search behind the "vovEZaz" buttons. True when a CD matched; `single` when exactly
    // one did (it is loaded already); with several the tree is filled for Choose().
    bool Search(const QString& producer, const QString& series, const QString& cd, bool& single);
    // Shows the tree modally; true when a CD was taken.
    bool Choose();
    bool LoadTracks(int dbId);
    void BuildTree(const QList<TSfxTreeNode>& nodes);
    void ResetSelection() { client_.ResetSelection(); }
    bool FindDbIdForDisc(const QString& discId, int& dbId) {
        return client_.FindDbIdForDisc(discId, dbId);
    }
    TResult LinkDisc(int dbId, const QString& discId) { return client_.LinkDisc(dbId, discId); }
    TResult AddDisc(const QString& producer, const QString& series, const QString& cd,
                    const QString& discId, const QStringList& trackNames) {
        return client_.AddDisc(producer, series, cd, discId, trackNames);
    }
    bool HasServer() const { return client_.HasServer(); }

    // The chosen CD and the rest of the client's state.
    TSfxDbClient& Client() { return client_; }

    // How the tree is shown; tests replace it. Returns true for "OK".
    std::function<bool(TfSFXdb&)> RunModal;

    QTreeWidget* tree = nullptr;
    QLabel* lblDbg = nullptr;

    // A click on a node: a CD node takes that CD and closes the dialog with OK.
    void treeMouseUp(QTreeWidgetItem* item);

private:
    void ShowError(const QString& text);
    void AddNodes(QTreeWidgetItem* parent, const QList<TSfxTreeNode>& nodes);

    TSfxDbClient client_;
};
