#pragma once

#include "services/TFreeDbClient.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;
class QTreeWidget;

// The freedb lookup of one button press, and its dialog "Found duplicates in freedb, please
// select one", in which the user picks one of several matches. Messages of the lookup are shown
// here; failures of the network end it quietly.
class TFreeDB : public QDialog {
    Q_OBJECT
public:
    TFreeDB(IHttpClient& http, IConnectionCheck& connection, const QString& host,
            QWidget* parent = nullptr);

    // The whole lookup of the disc identification string; the outcome says whether an entry
    // was read.
    TFreeDbClient::TLookup QueryDisc(const QString& discId);

    // How the picker is shown; tests replace it. Returns true for "OK".
    std::function<bool(TFreeDB&)> RunModal;

    QPushButton* NewDarkButton1 = nullptr; // "Select"
    QListWidget* DuplicateList = nullptr;  // the raw match lines, never shown
    QTreeWidget* lv = nullptr;             // "Artist / Album", "Genre", "CDid"

private:
    // Fills the lists with `matches`, shows the dialog and returns the chosen row or -1.
    int PickDuplicate(const QList<TFreeDbMatch>& matches);
    void SelectClick();

    TFreeDbClient client_;
};
