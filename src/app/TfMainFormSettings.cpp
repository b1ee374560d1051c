// The main window's settings: what it writes into a settings document and how it applies one.
#include "app/TfMainForm.h"

#include "app/DiskPath.h"
#include "app/ExistingFolder.h"
#include "app/IUserMessages.h"
#include "app/ReachableFrame.h"
#include "app/TActionTable.h"
#include "app/TSettingsDocument.h"
#include "app/TTitleStrip.h"
#include "cdimport/TfrCdimport.h"
#include "naming/TfrRename.h"
#include "ui/ShortcutText.h"
#include "ui/TCDripperList.h"
#include "ui/TfrOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>

namespace {
TNamingValues NamingValues(const TFileNameOptions& options) {
    return TNamingValues{options.Mask,       options.Seperator, options.CustomText,
                         options.Demo,       options.AutoFolder, options.AutoFolderPublisher};
}

void ApplyNaming(const TNamingValues& values, TFileNameOptions& options) {
    options.Mask = values.Mask.value_or(options.Mask);
    options.Seperator = values.Seperator.value_or(options.Seperator);
    options.CustomText = values.CustomText.value_or(options.CustomText);
    options.Demo = values.Demo.value_or(options.Demo);
    options.AutoFolder = values.AutoFolder.value_or(options.AutoFolder);
    options.AutoFolderPublisher = values.AutoFolderPublisher.value_or(options.AutoFolderPublisher);
}

template <typename T>
void ApplyTo(const std::optional<T>& value, T& target) {
    if (value)
        target = *value;
}

void ApplyCheck(const std::optional<bool>& value, QCheckBox* box) {
    if (value)
        box->setChecked(*value);
}
} // namespace

TSettingsValues TfMainForm::CollectSettings() const {
    TSettingsValues v;
    v.CDDBversion = CDDBversion;
    v.sdxLocation = sdxLocation;
    v.FreeDbHost = frOptions_->editFreeDbHost->text();
    v.SFXdbHost = frOptions_->editSFXdbHost->text();
    v.WebHost = frOptions_->editWebHost->text();
    v.ColumnWidth = soundList_->ColumnWidth();
    v.TagWidth = TagWidth;
    v.TagHeight = TagHeight;
    v.TagX = TagX;
    v.TagY = TagY;
    v.MODE = importMode_ ? "RipMode" : "RenameMode";
    v.CDtab = frCdimport_->PageControl->currentIndex();
    const QRect frame = isMaximized() ? normalGeometry() : geometry();
    v.Left = frame.left();
    v.Top = frame.top();
    v.Width = frame.width();
    v.Height = frame.height();
    v.DriveNumber = frOptions_->DriveNumber();
    v.cdOutputRoot = cdOutputRoot;
    v.cdAutoMusFreeDb = frOptions_->chkAutoMusFreeDB->isChecked();
    v.cdAutoSFXFreeDb = frOptions_->chkAutoSFXFreeDB->isChecked();
    v.cdAutoPost = frOptions_->chkDoPost->isChecked();
    v.cdAutoSFXdb = frOptions_->chkAutoSFXdb->isChecked();
    v.CdNaming = NamingValues(CdNaming);
    v.ShortCount = ShortCount();
    v.AudioFormat = AudioFormatText(OutputFormat.AudioFormat);
    v.SampleRate = OutputFormat.SampleRate;
    v.BitDepth = OutputFormat.BitDepth;
    v.BitRate = OutputFormat.BitRate;
    v.chkSFXbwav = frCdimport_->chkSFXbwav->isChecked();
    v.chkSfxId3 = frCdimport_->chkSfxId3->isChecked();
    v.chksfxIXML = frCdimport_->chksfxIXML->isChecked();
    v.chkMusicbwav = frCdimport_->chkMusicBwav->isChecked();
    v.chkMusicId3 = frCdimport_->chkMusicID3->isChecked();
    v.chkMusicIXML = frCdimport_->chkMusicIXML->isChecked();
    v.RenameNaming = NamingValues(RenameNaming);
    v.DoRename = frRename_->chkDoRename->isChecked();
    v.DoBwav = frRename_->chkSFXbwav->isChecked();
    v.DoID3 = frRename_->chkSfxId3->isChecked();
    v.DoiXML = frRename_->chksfxIXML->isChecked();
    v.LastFolder = currentFolder_;
    QList<QPair<QString, QString>> shortcuts;
    for (const TActionInfo& info : ActionTable())
        shortcuts.append({info.Name, ShortcutToText(Action(info.Name)->shortcut())});
    v.Shortcuts = shortcuts;
    return v;
}

void TfMainForm::SaveSettings(const QString& fileName, TSettingsSections sections) {
    TSettingsDocument::Save(fileName, CollectSettings(), sections);
}

void TfMainForm::LoadSettings(const QString& fileName) {
    TSettingsValues values;
    const TSettingsDocument::ReadResult result = TSettingsDocument::Load(fileName, values);
    if (result == TSettingsDocument::Missing)
        return;
    ApplySettings(values);
    if (result == TSettingsDocument::Failed)
        UserMessages().ShowMessage("Error loading settings");
    RefreshAfterLoad();
}

void TfMainForm::ApplySettings(const TSettingsValues& values) {
    ApplyTo(values.CDDBversion, CDDBversion);
    if (values.sdxLocation) {
        sdxLocation = *values.sdxLocation;
        frOptions_->lblSDXdir->setText(sdxLocation);
    }
    for (auto [value, edit] : {std::pair{&values.FreeDbHost, frOptions_->editFreeDbHost},
                               std::pair{&values.SFXdbHost, frOptions_->editSFXdbHost},
                               std::pair{&values.WebHost, frOptions_->editWebHost}})
        if (*value)
            edit->setText(**value);
    ApplyLayout(values);
    ApplyRipper(values);
    ApplyRenamer(values);
    ApplyShortcuts(values);
}

void TfMainForm::ApplyLayout(const TSettingsValues& values) {
    if (values.ColumnWidth)
        soundList_->SetColumnWidth(*values.ColumnWidth);
    ApplyTo(values.TagWidth, TagWidth);
    ApplyTo(values.TagHeight, TagHeight);
    ApplyTo(values.TagX, TagX);
    ApplyTo(values.TagY, TagY);
    if (values.MODE) {
        if (*values.MODE == "RipMode")
            ShowImportMode();
        else
            ShowRenameMode();
    }
    if (values.CDtab)
        frCdimport_->PageControl->setCurrentIndex(*values.CDtab);
    QRect frame = geometry();
    if (values.Left)
        frame.moveLeft(*values.Left);
    if (values.Top)
        frame.moveTop(*values.Top);
    if (values.Width)
        frame.setWidth(*values.Width);
    if (values.Height)
        frame.setHeight(*values.Height);
    if (values.Left || values.Top || values.Width || values.Height)
        setGeometry(ReachableFrame(frame, AvailableScreenAreas(), titleStrip_->height()));
}

QList<QRect> TfMainForm::AvailableScreenAreas() {
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    }
    return areas;
}

void TfMainForm::ApplyRipper(const TSettingsValues& values) {
    if (values.DriveNumber)
        frOptions_->SelectDrive(*values.DriveNumber);
    ApplyTo(values.cdOutputRoot, cdOutputRoot);
    ApplyCheck(values.cdAutoMusFreeDb, frOptions_->chkAutoMusFreeDB);
    ApplyCheck(values.cdAutoSFXFreeDb, frOptions_->chkAutoSFXFreeDB);
    ApplyCheck(values.cdAutoPost, frOptions_->chkDoPost);
    ApplyCheck(values.cdAutoSFXdb, frOptions_->chkAutoSFXdb);
    ApplyNaming(values.CdNaming, CdNaming);
    if (values.ShortCount)
        frOptions_->shortSpin->setValue(qBound(5, *values.ShortCount, 200));
    if (values.AudioFormat) {
        // Imports write WAV or MP3 only; any other text leaves the output as it was.
        TAudioFormat format = OutputFormat.AudioFormat;
        if (AudioFormatFromText(*values.AudioFormat, format) && (format == sfwav || format == sfmp3))
            OutputFormat.AudioFormat = format;
    }
    ApplyTo(values.SampleRate, OutputFormat.SampleRate);
    ApplyTo(values.BitDepth, OutputFormat.BitDepth);
    ApplyTo(values.BitRate, OutputFormat.BitRate);
    ApplyCheck(values.chkSFXbwav, frCdimport_->chkSFXbwav);
    ApplyCheck(values.chkSfxId3, frCdimport_->chkSfxId3);
    ApplyCheck(values.chksfxIXML, frCdimport_->chksfxIXML);
    ApplyCheck(values.chkMusicbwav, frCdimport_->chkMusicBwav);
    ApplyCheck(values.chkMusicId3, frCdimport_->chkMusicID3);
    ApplyCheck(values.chkMusicIXML, frCdimport_->chkMusicIXML);
}

void TfMainForm::ApplyRenamer(const TSettingsValues& values) {
    ApplyNaming(values.RenameNaming, RenameNaming);
    ApplyCheck(values.DoRename, frRename_->chkDoRename);
    ApplyCheck(values.DoBwav, frRename_->chkSFXbwav);
    ApplyCheck(values.DoID3, frRename_->chkSfxId3);
    ApplyCheck(values.DoiXML, frRename_->chksfxIXML);
    if (values.LastFolder)
        ApplyLastFolder(*values.LastFolder);
}

void TfMainForm::ApplyLastFolder(const QString& folder) {
    const QString existing = ExistingFolderOrParent(folder);
    if (!existing.isEmpty()) {
        SelectFolderInTree(existing);
        SetCurrentFolder(DiskPath(existing));
    }
    try {
        ListCurrentFolder();
    } catch (const std::exception&) {
        // A folder that cannot be listed must not stop the rest of the settings.
    }
}

void TfMainForm::ApplyShortcuts(const TSettingsValues& values) {
    if (!values.Shortcuts)
        return;
    for (const TActionInfo& info : ActionTable()) {
        for (const auto& [name, text] : *values.Shortcuts) {
            if (name == info.Name) {
                Action(info.Name)->setShortcut(TextToShortcut(text));
                break;
            }
        }
    }
}

void TfMainForm::RefreshAfterLoad() {
    ShowOutputFormat();
    frRename_->lblFilenameDemo->setText(RenameNaming.Demo);
    if (importMode_)
        RecomputeImportNames();
}

void TfMainForm::ShowOutputFormat() {
    frCdimport_->ShowOutputInfo(FirstTargetText(), CdNaming.Demo, OutputFormatText(OutputFormat));
    // bext and iXML are WAV chunks: an MP3 import can only carry ID3.
    const bool wav = OutputFormat.AudioFormat == sfwav;
    for (QCheckBox* box : {frCdimport_->chkMusicBwav, frCdimport_->chkMusicIXML,
                           frCdimport_->chkSFXbwav, frCdimport_->chksfxIXML})
        box->setEnabled(wav);
}
