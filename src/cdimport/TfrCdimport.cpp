#include "cdimport/TfrCdimport.h"

#include "ui/PanelBuilder.h"
#include "ui/TElidedPathLabel.h"
#include "ui/TLongAutoCompleteListBox.h"
#include "ui/TSuggestionFields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const id3Hint = "Adds a ID3-tag to the files";
const char* const bwavHint = "Adds the sounds description to the bwav tag of each wav file";
const char* const ixmlHint = "Adds a ixml-tag to the files";
} // namespace

TfrCdimport::TfrCdimport(const std::function<QAction*(const char*)>& actions, QWidget* parent)
    : QWidget(parent), suggestionFields_(new TSuggestionFields(actions("AcPlayPause"), this)) {
    setObjectName("TfrCdimport");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    PageControl = new QTabWidget(this);
    PageControl->addTab(BuildSfxTab(actions), "SFX");
    PageControl->addTab(BuildMusicTab(actions), "Music");
    layout->addWidget(PageControl);
    layout->addWidget(BuildOutputOptions(actions));
    layout->addStretch();
    CreateSuggestionBoxes();
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { HideSuggestions(); });
}

void TfrCdimport::CreateSuggestionBoxes() {
    // Children of the panel itself, so that they can lie over the sections below the field.
    AutoSFX = new TLongAutoCompleteListBox(SFXHistory, this);
    AutoSFX->setObjectName("AutoSFX");
    AutoMus = new TLongAutoCompleteListBox(MusicHistory, this);
    AutoMus->setObjectName("AutoMus");
    // Enter in an SFX field also asks the database: the main window connects returnPressed.
    for (QLineEdit* field : {editSeries, editCD, editPublisher})
        suggestionFields_->Serve(field, AutoSFX);
    for (QLineEdit* field : {editArtist, editAlbum})
        suggestionFields_->Serve(field, AutoMus);
}

void TfrCdimport::HideSuggestions() {
    suggestionFields_->HideAll();
}

QWidget* TfrCdimport::BuildSfxTab(const std::function<QAction*(const char*)>& actions) {
    TPanelBuilder page("Import sound effects from CD");
    editSeries = page.Field("Series", "editSeries");
    editCD = page.Field("CD", "editCD");
    editPublisher = page.Field("Publisher", "editPublisher");
    btnSFXfreedb = page.Button("freedb", "btnSFXfreedb");
    btnVOVezAZ = page.Button("vovEZaz", "btnVOVezAZ");
    lblDB = page.Label("Searching..", "lblDB");
    lblDB->hide();
    btnEditTags = page.ActionButton(actions("acEditTagsAll"), "btnEditTags");
    BtnSFXDescriptions = page.ActionButton(actions("acSFXdescriptions"), "BtnSFXDescriptions");
    chkSfxId3 = page.Check("ID3-tag", id3Hint, "chkSfxId3");
    chkSFXbwav = page.Check("Broadcast-tag", bwavHint, "chkSFXbwav");
    chksfxIXML = page.Check("iXML-tag", ixmlHint, "chksfxIXML");
    return page.Take();
}

QWidget* TfrCdimport::BuildMusicTab(const std::function<QAction*(const char*)>& actions) {
    TPanelBuilder page("Import music from CD");
    editArtist = page.Field("Artist", "editArtist");
    editAlbum = page.Field("Album", "editAlbum");
    editGenre = page.Field("Genre", "editGenre");
    editYear = page.Field("Year", "editYear");
    editDisc = page.Field("Disc #", "editDisc");
    // Disc numbers are digits with an optional "/" before the disc count.
    editDisc->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9/]*"), editDisc));
    btnMusicFreeDb = page.Button("freedb", "btnMusicFreeDb");
    btnEditSongNames = page.ActionButton(actions("acMuEditTrackNames"), "btnEditSongNames");
    btnMusEditTags = page.ActionButton(actions("acEditTagsAll"), "btnMusEditTags");
    chkMusicID3 = page.Check("ID3-tag", id3Hint, "chkMusicID3");
    chkMusicBwav = page.Check("Broadcast-tag (Only title)", bwavHint, "chkMusicBwav");
    chkMusicIXML = page.Check("iXML-tag", ixmlHint, "chkMusicIXML");
    return page.Take();
}

QWidget* TfrCdimport::BuildOutputOptions(const std::function<QAction*(const char*)>& actions) {
    TPanelBuilder options("Options");
    btnFileFormat = options.Button("File format", "btnFileFormat");
    lblFileFormat = options.Label("", "lblFileFormat");
    btnSFXfilenames = options.ActionButton(actions("acsfxFileNames"), "btnSFXfilenames");
    lblFilenameDemo = options.Label("", "lblFilenameDemo");
    NewDarkButton1 = options.Button("Output folder", "NewDarkButton1");
    lblOPfolder = new TElidedPathLabel;
    lblOPfolder->setObjectName("lblOPfolder");
    options.Add(lblOPfolder);
    btnRipSel = options.ActionButton(actions("acRipSelected"), "btnRipSel");
    btnRipDisc = options.ActionButton(actions("acRipDisc"), "btnRipDisc");
    return options.Take();
}

void TfrCdimport::ShowOutputInfo(const QString& outputFolder, const QString& filenameDemo,
                                 const QString& formatText) {
    lblOPfolder->SetPath(outputFolder);
    lblFilenameDemo->setText(filenameDemo);
    lblFileFormat->setText(formatText);
}

void TfrCdimport::ShowNoDrives() {
    btnRipSel->hide();
    btnRipDisc->hide();
}
