#include "tags/TTagPresets.h"

#include "naming/TFindFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>

namespace {
const QString presetExtension = QStringLiteral(".xml");

QString TextOf(const pugi::xml_node& node) { return QString::fromUtf8(node.text().get()); }

void AddText(pugi::xml_node parent, const char* name, const QString& text) {
    parent.append_child(name).text().set(text.toUtf8().constData());
}

// The name becomes a file name as typed; only what would put the file elsewhere is refused.
bool IsUsableName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           name != QStringLiteral(".") && name != QStringLiteral("..");
}

// The quotes keep leading and trailing line breaks and spaces of the iXML text intact.
QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

// Drops the last character, then the first, whatever they are.
QString Unquoted(QString text) {
    text.chop(1);
    return text.mid(1);
}
} // namespace

TTagPresets::TTagPresets(const QString& programFolder)
    : folder_(QDir(programFolder).filePath(QLatin1String(SubFolder))) {}

QString TTagPresets::FileOf(const QString& name) const {
    return QDir(folder_).filePath(name + presetExtension);
}

QStringList TTagPresets::PresetNames() const {
    if (!QFileInfo(folder_).isDir())
        return {};
    TFindFile finder;
    finder.SetPath(folder_);
    finder.FileMask = QStringLiteral("*") + presetExtension;
    finder.FileAttr = ffaReadOnly | ffaArchive; // plain files: no folders, no hidden files
    QStringList names;
    for (const QString& path : finder.SearchByMask()) {
        const QString file = QFileInfo(path).fileName();
        // The mask ignores letter case, but a preset loads from name + ".xml" exactly.
        if (file.endsWith(presetExtension))
            names.append(file.chopped(presetExtension.size()));
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

TResult TTagPresets::SavePreset(const QString& name, const QString& description,
                                const QString& originator, const QString& reference,
                                const QString& ixml) const {
    if (name.isEmpty())
        return TResult::Ok();
    if (!IsUsableName(name))
        return TResult::Error(
            QStringLiteral("Cannot save preset \"%1\": a preset name cannot hold \"/\"").arg(name));
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("TAGpreset");
    pugi::xml_node bwav = root.append_child("BWAV");
    AddText(bwav, "Description", description);
    AddText(bwav, "Originator", originator);
    AddText(bwav, "Reference", reference);
    AddText(root.append_child("iXML"), "XMLdata", Quoted(ixml));
    QDir().mkpath(folder_);
    if (!document.save_file(QFile::encodeName(FileOf(name)).constData()))
        return TResult::Error(
            QStringLiteral("Cannot write file \"%1\"").arg(QDir::toNativeSeparators(FileOf(name))));
    return TResult::Ok();
}

TResult TTagPresets::LoadPreset(const QString& name, TTagPresetFields& fields) const {
    const QString file = FileOf(name);
    if (!IsUsableName(name) || !QFileInfo(file).isFile())
        return TResult::Ok();
    pugi::xml_document document;
    if (!document.load_file(QFile::encodeName(file).constData(),
                            pugi::parse_default | pugi::parse_ws_pcdata_single) ||
        !document.document_element())
        return TResult::Error(QStringLiteral("Error loading preset"));
    const pugi::xml_node preset = document.document_element();
    if (const pugi::xml_node bwav = preset.child("BWAV")) {
        if (const pugi::xml_node node = bwav.child("Description"))
            fields.Description = TextOf(node);
        if (const pugi::xml_node node = bwav.child("Originator"))
            fields.Originator = TextOf(node);
        if (const pugi::xml_node node = bwav.child("Reference"))
            fields.Reference = TextOf(node);
    }
    if (const pugi::xml_node ixml = preset.child("iXML"))
        fields.Ixml = Unquoted(TextOf(ixml.child("XMLdata")));
    return TResult::Ok();
}
