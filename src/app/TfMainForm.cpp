#include "app/TfMainForm.h"

#include "app/ConnectShowingErrors.h"
#include "app/DiskPath.h"
#include "app/ExistingFolder.h"
#include "app/GeneralErrorDisplay.h"
#include "app/TActionTable.h"
#include "app/TFolderTreeFollower.h"
#include "app/TImportWindowSide.h"
#include "app/TSettingsDocument.h"
#include "app/TTitleStrip.h"
#include "app/TWindowEdges.h"
#include "app/TfNewPreset.h"
#include "app/tsound.h"
#include "cdimport/ICdDriveList.h"
#include "cdimport/TCDcontrolRipper.h"
#include "cdimport/TCdImportController.h"
#include "cdimport/TJobHandler.h"
#include "cdimport/TfrCdimport.h"
#include "naming/LoadFolder.h"
#include "naming/NameBuilders.h"
#include "naming/TFolderLoader.h"
#include "naming/OutputPaths.h"
#include "naming/TfFilename.h"
#include "naming/TfrRename.h"
#include "services/TMetadataServices.h"
#include "ui/DarkPictures.h"
#include "ui/TCDripperList.h"
#include "ui/TCustomBitButton.h"
#include "ui/TDriveBox.h"
#include "ui/TElidedPathLabel.h"
#include "ui/TFolderBrowseModel.h"
#include "ui/TSoundListContextMenu.h"
#include "ui/TfAbout.h"
#include "ui/TfrOptions.h"
#include "ui/tListLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>


namespace {
const char* const settingsFileName = "LastSettings.xml";
const char* const musicHistoryName = "MusHistory.txt";
const char* const sfxHistoryName = "SFXHistory.txt";
const char* const addNewPreset = "<Add new>";
const char* const modeActions[] = {"acRipMode", "acRenameMode", "acViewOptions"};
} // namespace

TfMainForm::TfMainForm(const QString& programFolder, ICdDriveList* drives, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), programFolder_(programFolder) {
    RunPresetDialog = [](TfNewPreset& dialog) { return dialog.exec() == QDialog::Accepted; };
    setObjectName("TfMainForm");
    setWindowTitle("Trackmoth");
    setAcceptDrops(true);
    new TWindowEdges(this);
    FormCreate(drives);
}

TfMainForm::~TfMainForm() {
    StopImportForClose();
}

void TfMainForm::FormCreate(ICdDriveList* drives) {
    OutputFormat = TOutputFormat();
    CreateActions();
    BuildWindow();
    services_ = new TMetadataServices(*this);
    services_->HelpMenu().ShowAbout = [this] { TfAbout(this).exec(); };
    CreateRenameTagTools();
    CreateImportTools(drives);
    CdNaming = TFileNameOptions();
    RenameNaming = TFileNameOptions();
    drives_ = drives;
    DrivesListed(drives ? drives->ListDrives() : QStringList());
    CreatePlayer();
    CreateCompanionLink();
    connect(frOptions_->cmbDrive, &TDriveBox::PopupAboutToShow, this, &TfMainForm::ListDrivesAgain);
    CreateFolderListing();
    listChangeTimer_ = new QTimer(this);
    listChangeTimer_->setInterval(1000);
    ConnectShowingErrors(listChangeTimer_, &QTimer::timeout, this, &TfMainForm::ListChangeTimerTimer);
    listChangeTimer_->start();
    cdDriveTimer_ = new QTimer(this);
    cdDriveTimer_->setObjectName("CdDriveTimer");
    cdDriveTimer_->setInterval(1000);
    ConnectShowingErrors(cdDriveTimer_, &QTimer::timeout, this, &TfMainForm::CdDriveTimerTimer);
    SetBusy(false);
}

void TfMainForm::CreateActions() {
    for (const TActionInfo& info : ActionTable()) {
        auto* action = new QAction(info.Caption, this);
        action->setObjectName(info.Name);
        action->setShortcut(QKeySequence::fromString(info.DefaultShortcut, QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        actions_[info.Name] = action;
    }
    // Reading a disc, listing a folder and building names can fail: the failure is shown and
    // the program goes on.
    ConnectShowingErrors(Action("acRipMode"), &QAction::triggered, this, &TfMainForm::ShowImportMode);
    ConnectShowingErrors(Action("acRenameMode"), &QAction::triggered, this, &TfMainForm::ShowRenameMode);
    ConnectShowingErrors(Action("acViewOptions"), &QAction::triggered, this,
                         &TfMainForm::acViewOptionsExecute);
    ConnectShowingErrors(Action("acsfxFileNames"), &QAction::triggered, this,
                         &TfMainForm::acsfxFileNamesExecute);
}

QAction* TfMainForm::Action(const char* name) const {
    auto found = actions_.find(QString::fromLatin1(name));
    return found == actions_.end() ? nullptr : found->second;
}

TCustomBitButton* TfMainForm::TextButton(QWidget* bar, const QString& name, QAction* action) {
    auto* button = new TCustomBitButton(bar);
    button->setObjectName(name);
    button->SetUpImage(DarkCaptionPicture(action->text(), 48, false));
    button->SetDownImage(DarkCaptionPicture(action->text(), 48, true));
    button->SetAction(action);
    return button;
}

TCustomBitButton* TfMainForm::ModeButton(const char* actionName) const {
    auto found = modeButtons_.find(QString::fromLatin1(actionName));
    return found == modeButtons_.end() ? nullptr : found->second;
}

void TfMainForm::BuildWindow() {
    resize(828, 687);
    setMinimumHeight(687);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TWindowEdges::Zone, TWindowEdges::Zone, TWindowEdges::Zone,
                               TWindowEdges::Zone); // the sizing frame
    layout->setSpacing(0);
    titleStrip_ = new TTitleStrip(this);
    layout->addWidget(titleStrip_);
    topBar_ = BuildTopBar();
    layout->addWidget(topBar_);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    // The panels keep their controls at full size: at the window's first size the options are
    // taller than the column, and the column scrolls instead of squashing them.
    leftScroll_ = new QScrollArea(this);
    leftScroll_->setObjectName("LeftColumnScroll");
    leftScroll_->setFrameShape(QFrame::NoFrame);
    leftScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    leftScroll_->setWidgetResizable(true);
    leftScroll_->setFixedWidth(216);
    // The scroll bar comes beside the panels, not over them: the column widens while it shows.
    connect(leftScroll_->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        leftScroll_->setFixedWidth(216 + (maximum > 0 ? leftScroll_->verticalScrollBar()->sizeHint().width() : 0));
    });
    leftColumn_ = new QWidget;
    leftColumn_->setObjectName("LeftColumn");
    leftColumn_->setFixedWidth(216);
    auto* leftLayout = new QVBoxLayout(leftColumn_);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto actionOf = [this](const char* name) { return Action(name); };
    frRename_ = new TfrRename(actionOf, [this] { return currentFolder_; }, leftColumn_);
    frRename_->hide();
    frCdimport_ = new TfrCdimport(actionOf, leftColumn_);
    frOptions_ = new TfrOptions(leftColumn_);
    frOptions_->hide();
    for (QWidget* panel : {static_cast<QWidget*>(frRename_), static_cast<QWidget*>(frCdimport_),
                           static_cast<QWidget*>(frOptions_)})
        leftLayout->addWidget(panel);
    ConnectShowingErrors(frOptions_->btnClearWords, &QPushButton::clicked, this,
                         &TfMainForm::btnClearWordsClick);
    leftScroll_->setWidget(leftColumn_);
    middle->addWidget(leftScroll_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->addWidget(BuildCentre());
    splitter_->addWidget(BuildFolderColumn());
    splitter_->setStretchFactor(0, 1);
    splitter_->setSizes({828 - 216 - 225, 225});
    middle->addWidget(splitter_, 1);
    layout->addLayout(middle, 1);

    workPanel_ = BuildWorkPanel();
    layout->addWidget(workPanel_);
}

QWidget* TfMainForm::BuildTopBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("TopBar");
    bar->setFixedHeight(63);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(4, 4, 4, 4);
    for (const char* name : modeActions) {
        auto* button = TextButton(bar, QString("btn") + name, Action(name));
        // The program decides which mode button is down, whatever the click did to it.
        button->DontMessWithDown = true;
        modeButtons_[name] = button;
        layout->addWidget(button);
    }
    layout->addWidget(TextButton(bar, "btnSendToSdx", Action("acSendToSdx")));
    auto* helpButton = new QToolButton(bar);
    helpButton->setObjectName("btnHelp");
    helpButton->setText("?");
    helpButton->setPopupMode(QToolButton::InstantPopup); // the help menu is the services'
    layout->addWidget(helpButton);
    playerArea_ = new QWidget(bar);
    playerArea_->setObjectName("PlayerArea");
    layout->addWidget(playerArea_, 1);
    // The caption above the box, so that the row has room for the "Update" button, whose
    // place is kept while it is hidden: its showing must not widen the window.
    auto* presetColumn = new QVBoxLayout;
    presetColumn->setSpacing(2);
    presetColumn->addWidget(new QLabel("Settings presets:", bar));
    auto* presetRow = new QHBoxLayout;
    presetColumn->addLayout(presetRow);
    layout->addLayout(presetColumn);
    cmbPresets_ = new QComboBox(bar);
    cmbPresets_->setObjectName("cmbPresets");
    // Long preset names show in full in the open list, not by widening the top bar.
    cmbPresets_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPresets_->setMinimumContentsLength(12);
    cmbPresets_->setMinimumWidth(120);
    cmbPresets_->addItem(addNewPreset);
    ConnectShowingErrors(cmbPresets_, &QComboBox::activated, this, &TfMainForm::cmbPresetSelect);
    connect(cmbPresets_, &QComboBox::currentIndexChanged, this,
            [this](int index) { btnUpdatePreset_->setEnabled(index > 0); });
    presetRow->addWidget(cmbPresets_);
    btnUpdatePreset_ = new QPushButton("Update", bar);
    btnUpdatePreset_->setObjectName("btnUpdatePreset");
    QSizePolicy keepPlace = btnUpdatePreset_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    btnUpdatePreset_->setSizePolicy(keepPlace);
    btnUpdatePreset_->hide();
    btnUpdatePreset_->setEnabled(false);
    ConnectShowingErrors(btnUpdatePreset_, &QPushButton::clicked, this,
                         &TfMainForm::btnUpdatePresetClick);
    presetRow->addWidget(btnUpdatePreset_);
    return bar;
}

QWidget* TfMainForm::BuildCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    lblCount_ = new QLabel("0 sounds", centre);
    lblCount_->setObjectName("lblCount");
    lblCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(lblCount_);
    soundListArea_ = new QWidget(centre);
    soundListArea_->setObjectName("SoundListArea");
    auto* listLayout = new QVBoxLayout(soundListArea_);
    listLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(soundListArea_, 1);
    BuildSoundList(listLayout);
    // Over the list's empty page, so that the list itself stays as it is.
    auto* noteLayout = new QVBoxLayout(soundList_->viewport());
    lblNoDrives_ = new QLabel(QString("No CD drives found\n\nPlug in a drive, or put a disc image "
                                      "(NAME.cue with NAME.bin) into\n%1")
                                  .arg(QDir::toNativeSeparators(programFolder_ + "/discs")));
    lblNoDrives_->setObjectName("lblNoDrives");
    lblNoDrives_->setAlignment(Qt::AlignCenter);
    lblNoDrives_->setWordWrap(true);
    lblNoDrives_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNoDrives_->hide();
    noteLayout->addWidget(lblNoDrives_);
    return centre;
}

void TfMainForm::BuildSoundList(QVBoxLayout* listLayout) {
    soundList_ = new TCDripperList(soundListArea_);
    soundList_->setObjectName("SoundList");
    soundList_->SetLayout(tListLayout::MainWindowLayout());
    soundList_->setFont(QFont("Arial"));
    soundList_->SetSoundList(&sounds_);
    connect(soundList_, &TsdxList::AfterRefreshList, this, &TfMainForm::UpdateStats);
    // A click may mark a track: the output line follows the first marked one.
    connect(soundList_, &TsdxList::OnItemClick, this, [this] {
        if (importMode_)
            frCdimport_->lblOPfolder->SetPath(FirstTargetText());
    });
    auto actionOf = [this](const char* name) { return Action(name); };
    soundList_->ConnectCommands(actionOf);
    soundListMenu_ = new TSoundListContextMenu(actionOf, soundList_);
    soundList_->SetContextMenu(soundListMenu_);
    listLayout->addWidget(soundList_);
}

QWidget* TfMainForm::BuildFolderColumn() {
    folderColumn_ = new QWidget(this);
    folderColumn_->setObjectName("FolderColumn");
    auto* layout = new QVBoxLayout(folderColumn_);
    layout->setContentsMargins(0, 0, 0, 0);
    // Read by bytes: a folder whose name is no UTF-8 is shown and listed like any other.
    folderModel_ = new TFolderBrowseModel(this);
    folderTree_ = new QTreeView(folderColumn_);
    folderTree_->setObjectName("FolderTree");
    folderTree_->setModel(folderModel_);
    folderTree_->setHeaderHidden(true);
    for (int column = 1; column < folderModel_->columnCount(); ++column)
        folderTree_->hideColumn(column);
    ConnectShowingErrors(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                         [this](const QModelIndex& current) {
                             if (!selectingFolder_)
                                 FolderTreeChange(folderModel_->DiskPath(current));
                         });
    // The tree is no watcher of the disk: a folder shows what is in it now when it is opened.
    connect(folderTree_, &QTreeView::expanded, this, &TfMainForm::RereadFolderTree);
    treeFollower_ = new TFolderTreeFollower(folderTree_, folderModel_, this);
    layout->addWidget(folderTree_);
    return folderColumn_;
}

QWidget* TfMainForm::BuildWorkPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("WorkPanel");
    panel->setFixedHeight(66);
    auto* layout = new QVBoxLayout(panel);
    gauge_ = new QProgressBar(panel);
    gauge_->setTextVisible(false);
    gauge_->setStyleSheet("QProgressBar::chunk { background: lime; }");
    layout->addWidget(gauge_);
    auto* row = new QHBoxLayout;
    lblStatus_ = new QLabel(panel);
    lblStatus_->setObjectName("lblStatus");
    row->addWidget(lblStatus_, 1);
    btnCancel_ = new QPushButton("Cancel", panel);
    btnCancel_->setObjectName("btnCancel");
    row->addWidget(btnCancel_);
    layout->addLayout(row);
    panel->hide();
    return panel;
}

void TfMainForm::PressModeButton(const char* actionName) {
    pressedModeButton_ = actionName;
    for (const char* name : modeActions)
        ModeButton(name)->SetDown(actionName && qstrcmp(name, actionName) == 0);
}

void TfMainForm::ShowImportMode() {
    // A new disc would replace the list that work still uses; the button is disabled then.
    if (!importMode_ && !MayReplaceList())
        return;
    frRename_->hide();
    folderColumn_->hide();
    frOptions_->hide();
    frCdimport_->show();
    PressModeButton("acRipMode");
    if (!importMode_) {
        importMode_ = true;
        folderLoader_->Abandon();
        LoadDisc();
    }
    ShowDriveState();
}

void TfMainForm::ShowRenameMode() {
    if (importMode_ && !MayReplaceList())
        return;
    frCdimport_->hide();
    frOptions_->hide();
    frRename_->show();
    if (folderColumn_->isHidden()) {
        RereadFolderTree(QModelIndex()); // folders made or removed meanwhile
        treeFollower_->ShowCurrentOnceLaidOut(); // the folder chosen while it was hidden
    }
    folderColumn_->show();
    PressModeButton("acRenameMode");
    if (importMode_) {
        importMode_ = false;
        ListCurrentFolder();
    }
    ShowDriveState();
}

void TfMainForm::acViewOptionsExecute() {
    // The click has already toggled the button itself; what counts is what the program pressed.
    if (pressedModeButton_ == QLatin1String("acViewOptions")) {
        if (importMode_)
            ShowImportMode();
        else
            ShowRenameMode();
        return;
    }
    frCdimport_->hide();
    frRename_->hide();
    frOptions_->show();
    PressModeButton("acViewOptions");
}

void TfMainForm::SetBusy(bool busy) {
    busy_ = busy;
    // Their shortcuts too: F1/F2 during an import would replace the list it works on.
    for (const char* name : modeActions)
        Action(name)->setEnabled(!busy);
    EnableListItems(!busy);
    workPanel_->setVisible(busy);
    leftScroll_->setVisible(!busy);
    topBar_->setVisible(!busy);
    folderColumn_->setVisible(!busy && !importMode_);
}

void TfMainForm::UpdateStats() {
    const int count = sounds_.Count();
    if (importMode_) {
        lblCount_->setText(QString("%1 sounds on disc").arg(count));
        return;
    }
    // Names that are no UTF-8 are listed under a display form; the user should know that the
    // name shown is not quite the name on disk.
    QString text = QString("Folder contains %1 sounds").arg(count);
    const int notUtf8 = NamesNotUtf8(sounds_);
    if (notUtf8 == 1)
        text += QStringLiteral(" (1 name is not UTF-8)");
    else if (notUtf8 > 1)
        text += QString(" (%1 names are not UTF-8)").arg(notUtf8);
    lblCount_->setText(text);
}

void TfMainForm::ScheduleListRefresh() {
    if (!listChangeTimer_->isActive())
        listChangeTimer_->start();
}

void TfMainForm::ListChangeTimerTimer() {
    listChangeTimer_->stop();
    if (importMode_)
        RecomputeImportNames();
    RepaintList();
    frCdimport_->lblOPfolder->SetPath(FirstTargetText());
    emit ListRefreshed();
}

void TfMainForm::StartCdDriveTimer() { cdDriveTimer_->start(); }

void TfMainForm::CdDriveTimerTimer() {
    // A disc change empties the list: never while anything works on it or a question is open.
    if (WorkState() != EWorkState::Idle)
        return;
    if (!frOptions_->HasDrives())
        ListDrivesAgain();
    if (!started_ || !importMode_)
        return;
    if (importController_)
        importController_->CdDriveTimerTimer();
}

void TfMainForm::ListDrivesAgain() {
    if (drives_)
        drives_->ListDrivesInBackground(this, [this](const QStringList& lines) { DrivesListed(lines); });
}

void TfMainForm::DrivesListed(const QStringList& lines) {
    frOptions_->SetDrives(lines);
    ShowDriveState();
}

void TfMainForm::ShowDriveState() {
    const bool noDrives = !frOptions_->HasDrives();
    if (noDrives)
        frCdimport_->ShowNoDrives();
    lblNoDrives_->setVisible(noDrives && importMode_);
}

void TfMainForm::LoadDisc() {
    if (!started_)
        return; // settings loaded during start-up must not read the disc yet
    if (importController_)
        importController_->ReadDiscNow();
}

void TfMainForm::RecomputeImportNames() {
    if (!importMode_)
        return;
    BuildImportNames(sounds_, CdNaming, ShortCount(), OutputFormat.AudioFormat);
    BuildOutputPaths(sounds_, CdNaming, cdOutputRoot);
    frCdimport_->lblOPfolder->SetPath(FirstTargetText());
}

void TfMainForm::acsfxFileNamesExecute() {
    if (importMode_) {
        TfFilename::Edit(this, CdNaming, true);
        frCdimport_->lblFilenameDemo->setText(CdNaming.Demo);
        RecomputeImportNames();
        frCdimport_->lblOPfolder->SetPath(FirstTargetText());
    } else {
        TfFilename::Edit(this, RenameNaming, false);
        frRename_->lblFilenameDemo->setText(RenameNaming.Demo);
        BuildRenameNames(sounds_, RenameNaming, frRename_->chkDoRename->isChecked());
    }
    RepaintList();
}

void TfMainForm::RepaintList() { soundList_->InvalidateAll(); }

void TfMainForm::EnableListItems(bool enabled) {
    if (!enabled)
        soundList_->ClearSelection();
    soundList_->SetItemsEnabled(enabled);
}

QString TfMainForm::FirstTargetText() const {
    if (cdOutputRoot.isEmpty())
        return "No output folder is set";
    if (sounds_.Count() == 0 || !importMode_)
        return cdOutputRoot;
    const QList<TSoundRef> marked = soundList_->MarkedSounds();
    const tsound& first = marked.isEmpty() ? *sounds_.Items(0) : *marked.first();
    return first.path.isEmpty() ? BuildOutputFolder(first, CdNaming, cdOutputRoot) : first.path;
}

void TfMainForm::FolderTreeChange(const QByteArray& folder) {
    treeFollower_->Stop(); // the user's own choice: the tree stays where the user put it
    SetCurrentFolder(folder); // listed now, or once the work on the list has ended
    ListCurrentFolder();
}

void TfMainForm::RereadFolderTree(const QModelIndex& folder) {
    // A folder gone from under the tree's selection moves it; that picks no folder to list.
    selectingFolder_ = true;
    if (folder.isValid())
        folderModel_->Reread(folder);
    else
        folderModel_->RereadAll();
    selectingFolder_ = false;
}

void TfMainForm::SelectFolderInTree(const QString& folder) {
    selectingFolder_ = true;
    const QModelIndex index = folderModel_->index(folder);
    folderTree_->setCurrentIndex(index);
    folderTree_->scrollTo(index);
    selectingFolder_ = false;
    treeFollower_->Follow(folder);
}

void TfMainForm::btnClearWordsClick() {
    frCdimport_->MusicHistory.Clear();
    frCdimport_->SFXHistory.Clear();
}

int TfMainForm::ShortCount() const { return frOptions_->shortSpin->value(); }

QString TfMainForm::PresetFolder() const { return programFolder_ + "/presets/Settings"; }

void TfMainForm::StartUp() {
    const QString lastSettings = programFolder_ + "/" + settingsFileName;
    const bool firstStart = !QFileInfo::exists(lastSettings);
    LoadSettings(lastSettings);
    if (firstStart) {
        ShowImportMode(); // a new user starts where the program's first button leads
        RefreshAfterLoad();
    }
    QDir().mkpath(PresetFolder());
    QDir().mkpath(programFolder_ + "/presets/Tags");
    FillPresetBox();
    frCdimport_->MusicHistory.LoadFromFile(programFolder_ + "/" + musicHistoryName);
    frCdimport_->SFXHistory.LoadFromFile(programFolder_ + "/" + sfxHistoryName);
    for (const QString& entry : frCdimport_->SFXHistory.Entries())
        frRename_->SFXHistory.Add(entry);
    started_ = true;
}

void TfMainForm::SaveHistories() {
    frCdimport_->MusicHistory.SaveToFile(programFolder_ + "/" + musicHistoryName);
    frCdimport_->SFXHistory.SaveToFile(programFolder_ + "/" + sfxHistoryName);
}

void TfMainForm::closeEvent(QCloseEvent* event) {
    StopImportForClose(); // nothing may go while a rip or conversion still uses it
    folderLoader_->Abandon();
    // Each write reports its own failure; the window closes all the same.
    RunShowingErrors(
        [this] { SaveSettings(programFolder_ + "/" + settingsFileName, TSettingsSections::All()); });
    RunShowingErrors([this] { SaveHistories(); });
    sounds_.Clear();
    event->accept();
}

void TfMainForm::FillPresetBox() {
    const QStringList files =
        QDir(PresetFolder()).entryList({"*.xml"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files)
        cmbPresets_->addItem(QFileInfo(file).completeBaseName());
}

void TfMainForm::cmbPresetSelect(int index) {
    btnUpdatePreset_->show();
    if (index > 0) {
        LoadSettings(PresetFolder() + "/" + cmbPresets_->itemText(index) + ".xml");
        return;
    }
    TfNewPreset dialog(this);
    if (!RunPresetDialog(dialog) || !SavePresetFromDialog(dialog, false))
        cmbPresets_->setCurrentIndex(0);
}

void TfMainForm::btnUpdatePresetClick() {
    if (cmbPresets_->currentIndex() <= 0)
        return;
    TfNewPreset dialog(this);
    dialog.Nameedit->setText(cmbPresets_->currentText());
    dialog.Nameedit->setEnabled(false);
    if (RunPresetDialog(dialog))
        SavePresetFromDialog(dialog, true);
}

bool TfMainForm::SavePresetFromDialog(TfNewPreset& dialog, bool fromUpdate) {
    const QString name = dialog.Nameedit->text();
    if (!TfNewPreset::IsUsableName(name))
        return false;
    SaveSettings(PresetFolder() + "/" + name + ".xml", dialog.Sections());
    if (!fromUpdate && cmbPresets_->findText(name, Qt::MatchExactly) < 0)
        cmbPresets_->addItem(name);
    cmbPresets_->setCurrentIndex(cmbPresets_->findText(name, Qt::MatchExactly));
    return true;
}
