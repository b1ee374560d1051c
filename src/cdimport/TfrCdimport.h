#pragma once

#include "app/THistoryList.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TElidedPathLabel;
class QAction;
class TLongAutoCompleteListBox;
class TSuggestionFields;

// The CD import panel in the main window's left column: the disc's metadata on the tabs
// "SFX" and "Music", the tags to write, the output options and the two import buttons.
class TfrCdimport : public QWidget {
    Q_OBJECT
public:
    // `actions` gives the main window's action of a name ("acRipSelected", ...).
    explicit TfrCdimport(const std::function<QAction*(const char*)>& actions,
                         QWidget* parent = nullptr);

    QTabWidget* PageControl = nullptr; // 0 "SFX", 1 "Music"

    QLineEdit* editSeries = nullptr;
    QLineEdit* editCD = nullptr;
    QLineEdit* editPublisher = nullptr;
    QPushButton* btnSFXfreedb = nullptr;
    QPushButton* btnVOVezAZ = nullptr;
    QLabel* lblDB = nullptr;
    QToolButton* btnEditTags = nullptr;
    QToolButton* BtnSFXDescriptions = nullptr;
    QCheckBox* chkSfxId3 = nullptr;
    QCheckBox* chkSFXbwav = nullptr;
    QCheckBox* chksfxIXML = nullptr;

    QLineEdit* editArtist = nullptr;
    QLineEdit* editAlbum = nullptr;
    QLineEdit* editGenre = nullptr;
    QLineEdit* editYear = nullptr;
    QLineEdit* editDisc = nullptr;
    QPushButton* btnMusicFreeDb = nullptr;
    QToolButton* btnEditSongNames = nullptr;
    QToolButton* btnMusEditTags = nullptr;
    QCheckBox* chkMusicID3 = nullptr;
    QCheckBox* chkMusicBwav = nullptr;
    QCheckBox* chkMusicIXML = nullptr;

    QPushButton* btnFileFormat = nullptr;
    QLabel* lblFileFormat = nullptr;
    QToolButton* btnSFXfilenames = nullptr;
    QLabel* lblFilenameDemo = nullptr;
    QPushButton* NewDarkButton1 = nullptr; // "Output folder"
    TElidedPathLabel* lblOPfolder = nullptr; // where the first marked track will go
    QToolButton* btnRipSel = nullptr;
    QToolButton* btnRipDisc = nullptr;

    // Auto-complete histories: artist and album texts; series, CD and publisher texts.
    THistoryList MusicHistory;
    THistoryList SFXHistory;
    // Their suggestion boxes under the field being typed in.
    TLongAutoCompleteListBox* AutoMus = nullptr;
    TLongAutoCompleteListBox* AutoSFX = nullptr;

    // Shows the output folder line, the example file name and the output format line.
    void ShowOutputInfo(const QString& outputFolder, const QString& filenameDemo,
                        const QString& formatText);
    // With no drive at all there is nothing to rip: hides "Rip marked" and "Rip disc"; the disc
    // reader shows them again once it has read a disc with tracks.
    void ShowNoDrives();

private:
    void CreateSuggestionBoxes();
    void HideSuggestions();

    TSuggestionFields* suggestionFields_ = nullptr;
    QWidget* BuildSfxTab(const std::function<QAction*(const char*)>& actions);
    QWidget* BuildMusicTab(const std::function<QAction*(const char*)>& actions);
    QWidget* BuildOutputOptions(const std::function<QAction*(const char*)>& actions);
};
