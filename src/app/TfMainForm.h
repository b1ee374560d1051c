#pragma once

#include "app/TSettingsSections.h"
#include "app/TSoundList.h"
#include "app/TWorkState.h"
#include "app/TWorkerThreads.h"
#include "cdimport/TOutputFormat.h"
#include "naming/TFileNameOptions.h"
#include "naming/TPanelValues.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class ICdDriveList;
class QAction;
class QComboBox;
class QLabel;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;
class QTreeView;
class QVBoxLayout;
struct TSettingsValues;
class TBatchRunner;
class TCDripperList;
class TCustomBitButton;
class TDescriptionEditing;
class TFolderBrowseModel;
class TFolderTreeFollower;
class TFolderLoader;
class TSoundListContextMenu;
class TTitleStrip;
class TfNewPreset;
class TfFileFormat;
class TfShortcutManager;
class TMetadataServices;
class TfrCdimport;
class TPlayerPanel;
class TSonaphorLink;
class TfrOptions;
class TfrRename;
class TTagEditing;
class TCDcontrolRipper;
class TCdImportController;
class TImportWindowSide;
class TJobHandler;

// The main window, which is also the main controller: it owns the sound list, the work panels
// and the program's state, switches between the import-CD mode, the rename/tag mode and the
// options view, and keeps the settings, presets and histories.
class TfMainForm : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds the settings, presets and histories; `drives` lists the CD drives
    // for the options panel (may be null: no drives).
    TfMainForm(const QString& programFolder, ICdDriveList* drives, QWidget* parent = nullptr);
    ~TfMainForm() override;

    // Start-up after the windows exist: last settings, preset folders and box, histories.
    void StartUp();
    // Starts watching the CD drive once a second.
    void StartCdDriveTimer();

    void ShowImportMode();
    void ShowRenameMode();
    // Files or folders given on the command line (or to a later copy): the folder of the first
    // one that exists is listed in rename/tag mode. While work runs on the list this waits
    // until the work has ended (the latest request wins).
    void OpenPaths(const QStringList& paths);
    void acViewOptionsExecute();
    void SetBusy(bool busy);
    void UpdateStats();
    // Asks for one refresh of names and rows within a second; further calls meanwhile add none.
    void ScheduleListRefresh();

    void LoadSettings(const QString& fileName);
    // Writes the chosen sections to `fileName`; throws EAppError when it cannot be written.
    void SaveSettings(const QString& fileName, TSettingsSections sections);

    // State of the controller.
    bool ImportMode() const { return importMode_; }
    bool Busy() const { return busy_; }
    // What works on the list now. Whatever would replace or empty the list (a mode switch, a
    // new folder, "Open with", a new disc) waits while this is not Idle; a folder being
    // listed is the one exception: a newer request takes over from it.
    EWorkState WorkState() const;
    // A folder is being listed on a worker.
    bool ListingFolder() const;
    bool Started() const { return started_; }
    // The folder picked in the tree, as shown; CurrentFolderOnDisk gives its bytes, which need
    // not be UTF-8 (a folder named in Latin-1 shows "Café" and is opened by its own bytes).
    QString CurrentFolder() const { return currentFolder_; }
    QByteArray CurrentFolderOnDisk() const;
    TSoundList& Sounds() { return sounds_; }
    TOutputFormat OutputFormat;
    TFileNameOptions CdNaming;
    TFileNameOptions RenameNaming;
    QString cdOutputRoot;
    int TagWidth = 0;
    int TagHeight = 0;
    int TagX = 0;
    int TagY = 0;
    int CDDBversion = 0;
    QString sdxLocation = "Not set";
    int ShortCount() const;

    // The action of the action table called `name`.
    QAction* Action(const char* name) const;
    QString ProgramFolder() const { return programFolder_; }
    QString PresetFolder() const;

    // Parts of the window that later features fill or that tests look at.
    QWidget* SoundListArea() const { return soundListArea_; }
    // The list view of the sound list; its ColumnWidth is the "ColumnWidth" setting.
    TCDripperList* SoundList() const { return soundList_; }
    // Its context menu; "Edit description" is connected by the description tools.
    TSoundListContextMenu* SoundListMenu() const { return soundListMenu_; }
    TfrCdimport* frCdimport() const { return frCdimport_; }
    TfrRename* frRename() const { return frRename_; }
    TfrOptions* frOptions() const { return frOptions_; }
    TTitleStrip* TitleStrip() const { return titleStrip_; }
    QWidget* TopBar() const { return topBar_; }
    QWidget* LeftColumn() const { return leftColumn_; }
    QWidget* FolderColumn() const { return folderColumn_; }
    QWidget* WorkPanel() const { return workPanel_; }
    QLabel* CountLine() const { return lblCount_; }
    // Shown over the empty track list of the import view while there is no CD drive at all.
    QLabel* NoDrivesNote() const { return lblNoDrives_; }
    TCustomBitButton* ModeButton(const char* actionName) const;
    QComboBox* PresetBox() const { return cmbPresets_; }
    QPushButton* UpdatePresetButton() const { return btnUpdatePreset_; }
    QTreeView* FolderTree() const { return folderTree_; }
    QProgressBar* Gauge() const { return gauge_; }
    QLabel* StatusLine() const { return lblStatus_; }
    QPushButton* CancelButton() const { return btnCancel_; }
    QWidget* PlayerArea() const { return playerArea_; }
    // freedb, the SFX CD database, the help menu and the update check.
    TMetadataServices* Services() const { return services_; }

    // The tools of the rename/tag mode: the batch, the description editors, the tag editor.
    TBatchRunner* BatchRunner() const { return batchRunner_; }
    TDescriptionEditing* DescriptionEditing() const { return descriptionEditing_; }
    TTagEditing* TagEditing() const { return tagEditing_; }
    // The CD import; null when the window has no real drive access (tests of other modes).
    TCdImportController* ImportController() const { return importController_.get(); }
    TJobHandler* Jobs() const { return jobs_.get(); }

    // The preview player's controls and the link to Sonaphor.
    TPlayerPanel* PlayerPanel() const { return playerPanel_; }
    TSonaphorLink* SonaphorLink() const { return sonaphorLink_; }

    // How the preset dialog is shown; tests replace it. Returns true for "Save".
    std::function<bool(TfNewPreset&)> RunPresetDialog;
    // How the output format dialog is shown; tests replace it. Returns true for "OK".
    std::function<bool(TfFileFormat&)> RunFormatDialog;
    // How the shortcut editor is shown (modally); tests replace it.
    std::function<void(TfShortcutManager&)> RunShortcutEditor;

signals:
    // After each run of the list-refresh timer.
    void ListRefreshed();

protected:
    // Reads the disc in the chosen drive into the sound list (the CD import fills this in).
    virtual void LoadDisc();
    // Lists the sound files of CurrentFolder into the sound list (the folder scanner fills
    // this in).
    virtual void ListCurrentFolder();
    // Recomputes the target names (and, with automatic folders, paths) of an import.
    virtual void RecomputeImportNames();
    // Repaints all rows of the sound list.
    virtual void RepaintList();
    // Enables or disables the rows of the sound list; a busy import clears the selection too.
    virtual void EnableListItems(bool enabled);
    // Where the first marked track (or the first track) will go, for the output-folder line;
    // the output folder alone before there are tracks; "No output folder is set".
    virtual QString FirstTargetText() const;

    void closeEvent(QCloseEvent* event) override;
    // Files or folders dropped from a file manager open their folder, as "Open with" does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate(ICdDriveList* drives);
    void CreateActions();
    QWidget* BuildTopBar();
    QWidget* BuildCentre();
    void BuildSoundList(QVBoxLayout* listLayout);
    QWidget* BuildFolderColumn();
    QWidget* BuildWorkPanel();
    void BuildWindow();
    void CreateRenameTagTools();
    // The CD import (in TfMainFormImport.cpp).
    void CreateImportTools(ICdDriveList* drives);
    void ConnectImportPanel();
    void ImportFieldsEdited(bool music);
    void AfterDiscLookup(bool music);
    void ChooseImportOutputFolder();
    void btnFileFormatClick();
    void StopImportForClose();
    void PressModeButton(const char* actionName);
    // A picture button of the top bar showing and triggering `action`.
    static TCustomBitButton* TextButton(QWidget* bar, const QString& name, QAction* action);

    void ListChangeTimerTimer();
    // "Filenames": the mask dialog on the naming of the mode in use, then names anew.
    void acsfxFileNamesExecute();
    void CdDriveTimerTimer();
    // Drives can be plugged in at any time; a listing runs on a worker thread.
    void ListDrivesAgain();
    void DrivesListed(const QStringList& lines);
    void ShowDriveState();
    void FolderTreeChange(const QByteArray& folder);
    void SetCurrentFolder(const QByteArray& folder);
    // The folder listing on a worker and the requests that wait for work to end
    // (TfMainFormWork.cpp).
    void CreateFolderListing();
    // The worker's records arrive: they become the list.
    void FolderLoaded(const std::shared_ptr<TSoundList>& loaded, const QString& error);
    void ShowFolderProgress(int listed);
    // Empties the list; the records nobody else holds are released on a thread of their own.
    void ReleaseRecords();
    bool MayReplaceList() const;
    // A request that had to wait for the work to end is carried out once it has.
    void PendingTimerTimer();
    void SelectFolderInTree(const QString& folder);
    // Reads `folder` of the tree again, or every folder it has read when it is invalid.
    void RereadFolderTree(const QModelIndex& folder);

    void FillPresetBox();
    void cmbPresetSelect(int index);
    void btnUpdatePresetClick();
    bool SavePresetFromDialog(TfNewPreset& dialog, bool fromUpdate);
    void btnClearWordsClick();
    // The preview player (TfMainFormPlayer.cpp); the link to Sonaphor, the companion folder
    // and the shortcut editor (TfMainFormLink.cpp).
    void CreatePlayer();
    void CreateCompanionLink();
    void acSendToSdxExecute();
    void btnFindSDXClick();
    void btnEditShortCutsClick();

    TSettingsValues CollectSettings() const;
    void ApplySettings(const TSettingsValues& values);
    void ApplyLayout(const TSettingsValues& values);
    void ApplyRipper(const TSettingsValues& values);
    void ApplyRenamer(const TSettingsValues& values);
    void ApplyShortcuts(const TSettingsValues& values);
    void ApplyLastFolder(const QString& folder);
    // The usable areas of the screens, the primary one first.
    static QList<QRect> AvailableScreenAreas();
    void RefreshAfterLoad();
    void ShowOutputFormat();
    void SaveHistories();


    QString programFolder_;
    bool importMode_ = false;
    bool busy_ = false;
    bool started_ = false;
    QString currentFolder_;
    QByteArray currentFolderOnDisk_; // only when its bytes are no valid UTF-8
    TSoundList sounds_;

    std::map<QString, QAction*> actions_;
    std::map<QString, TCustomBitButton*> modeButtons_;
    TTitleStrip* titleStrip_ = nullptr;
    QWidget* topBar_ = nullptr;
    QWidget* playerArea_ = nullptr;
    QComboBox* cmbPresets_ = nullptr;
    QPushButton* btnUpdatePreset_ = nullptr;
    QWidget* leftColumn_ = nullptr;
    QScrollArea* leftScroll_ = nullptr; // holds the left column
    TfrCdimport* frCdimport_ = nullptr;
    TfrRename* frRename_ = nullptr;
    TfrOptions* frOptions_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QWidget* soundListArea_ = nullptr;
    TCDripperList* soundList_ = nullptr;
    TSoundListContextMenu* soundListMenu_ = nullptr;
    QWidget* folderColumn_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    TFolderBrowseModel* folderModel_ = nullptr;
    QWidget* workPanel_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QTimer* listChangeTimer_ = nullptr;
    QTimer* cdDriveTimer_ = nullptr;
    ICdDriveList* drives_ = nullptr;
    QLabel* lblNoDrives_ = nullptr;
    QString pressedModeButton_;
    TFolderLoader* folderLoader_ = nullptr;
    TPanelValues listedPanel_; // what the running folder load gives its records
    QTimer* pendingTimer_ = nullptr;
    QStringList pendingOpen_;
    bool folderPending_ = false;
    TFolderTreeFollower* treeFollower_ = nullptr; // keeps the program's choice in view
    bool selectingFolder_ = false; // the program, not the user, moves the tree's selection
    TMetadataServices* services_ = nullptr;
    TBatchRunner* batchRunner_ = nullptr;
    TDescriptionEditing* descriptionEditing_ = nullptr;
    TTagEditing* tagEditing_ = nullptr;
    TPlayerPanel* playerPanel_ = nullptr;
    TSonaphorLink* sonaphorLink_ = nullptr;
    // Last, so that they go first: the controller before the job handler, the job handler
    // (and its conversion threads) before the ripper, all before the sounds they work on.
    // Releases the records of a replaced list: 100,000 of them take as long as reading a folder.
    TWorkerThreads releases_;
    std::unique_ptr<TImportWindowSide> importSide_;
    std::unique_ptr<TCDcontrolRipper> ripper_;
    std::unique_ptr<TJobHandler> jobs_;
    std::unique_ptr<TCdImportController> importController_;
};
