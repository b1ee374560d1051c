#include "naming/TfrRename.h"

#include "app/ConnectShowingErrors.h"
#include "naming/TRenameBatch.h"
#include "ui/PanelBuilder.h"
#include "ui/TLongAutoCompleteListBox.h"
#include "ui/TSuggestionFields.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

TfrRename::TfrRename(const std::function<QAction*(const char*)>& actions,
                     std::function<QString()> currentFolder, QWidget* parent)
    : QWidget(parent), currentFolder_(std::move(currentFolder)),
      suggestionFields_(new TSuggestionFields(actions("AcPlayPause"), this)) {
    setObjectName("TfrRename");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel("Batch process files:", this);
    layout->addWidget(title);

    TPanelBuilder sfx("SFX information");
    btnDescriptions = sfx.ActionButton(actions("acSFXdescriptions"), "btnDescriptions");
    btnVOVezAZ = sfx.Button("vovEZaz", "btnVOVezAZ");
    btnEditTags = sfx.ActionButton(actions("acEditTagsAll"), "btnEditTags");
    editSeries = sfx.Field("Series", "editSeries");
    editCD = sfx.Field("CD", "editCD");
    editPublisher = sfx.Field("Publisher", "editPublisher");
    lblDB = sfx.Label("Searching..", "lblDB");
    lblDB->hide();
    layout->addWidget(sfx.Take());

    TPanelBuilder rename("Rename files");
    btnFilenames = rename.ActionButton(actions("acsfxFileNames"), "btnFilenames");
    lblFilenameDemo = rename.Label("", "lblFilenameDemo");
    chkDoRename = rename.Check("Rename files", QString(), "chkDoRename");
    chkDoRename->setChecked(true);
    layout->addWidget(rename.Take());

    TPanelBuilder tags("Tag files");
    tags.Label("Write these tags: (.wav only)");
    chkSFXbwav = tags.Check("Broadcast-tag",
                            "Adds the sounds description to the bwav tag of each wav file",
                            "chkSFXbwav");
    chkSfxId3 = tags.Check("ID3-tag", "Adds a ID3-tag to the files", "chkSfxId3");
    chksfxIXML = tags.Check("iXML-tag", "Adds a ixml-tag to the files", "chksfxIXML");
    layout->addWidget(tags.Take());

    layout->addStretch();
    TPanelBuilder batch("");
    btnProcAll = batch.ActionButton(actions("acProcAll"), "btnProcAll");
    btnProcSel = batch.ActionButton(actions("acProcSel"), "btnProcSel");
    layout->addWidget(batch.Take());

    // A child of the panel itself, so that it can lie over the sections below the field.
    AutoSFX = new TLongAutoCompleteListBox(SFXHistory, this);
    AutoSFX->setObjectName("AutoSFX");
    for (QLineEdit* field : {editSeries, editCD, editPublisher})
        suggestionFields_->Serve(field, AutoSFX);
}

TPanelValues TfrRename::PanelValues() const {
    TPanelValues values;
    values.Series = editSeries->text();
    values.CD = editCD->text();
    values.Publisher = editPublisher->text();
    values.DoRename = chkDoRename->isChecked();
    values.DoBwav = chkSFXbwav->isChecked();
    values.DoID3 = chkSfxId3->isChecked();
    values.DoiXML = chksfxIXML->isChecked();
    return values;
}

void TfrRename::ConnectBatch(TRenameBatch& batch) {
    batch.Panel = [this] { return PanelValues(); };
    for (QLineEdit* field : {editSeries, editCD, editPublisher})
        ConnectShowingErrors(field, &QLineEdit::textChanged, this, [&batch] { batch.ApplyPanelFields(); });
    ConnectShowingErrors(chkDoRename, &QCheckBox::clicked, this, [&batch] { batch.BuildNames(); });
    ConnectShowingErrors(chkSFXbwav, &QCheckBox::toggled, this, [&batch] { batch.BroadcastTagChanged(); });
}
