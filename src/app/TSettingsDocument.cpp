#include "app/TSettingsDocument.h"

#include "app/EAppError.h"

#include <QFile>
#include <QSaveFile>

#include <pugixml.hpp>

#include <sstream>
#include <variant>

namespace {

using IntValue = std::optional<int>& (*)(TSettingsValues&);
using BoolValue = std::optional<bool>& (*)(TSettingsValues&);
using TextValue = std::optional<QString>& (*)(TSettingsValues&);

// Which sections must be included for a value to be written.
enum SectionMask : unsigned {
    O = 1,  // options
    L = 2,  // layout
    W = 4,  // main window
    C = 8,  // CD ripper
    R = 16, // renamer
};

struct Field {
    const char* path; // element names from below the root, separated by "/"
    unsigned sections;
    std::variant<IntValue, BoolValue, TextValue> value;
};

#define INT_FIELD(path, sections, member)                                                      \
    Field { path, sections, IntValue([](TSettingsValues& v) -> std::optional<int>& { return v.member; }) }
#define BOOL_FIELD(path, sections, member)                                                     \
    Field { path, sections, BoolValue([](TSettingsValues& v) -> std::optional<bool>& { return v.member; }) }
#define TEXT_FIELD(path, sections, member)                                                     \
    Field { path, sections, TextValue([](TSettingsValues& v) -> std::optional<QString>& { return v.member; }) }
#define NAMING_FIELDS(prefix, sections, naming)                                                \
    TEXT_FIELD(prefix "/Mask", sections, naming.Mask),                                          \
        TEXT_FIELD(prefix "/Seperator", sections, naming.Seperator),                            \
        TEXT_FIELD(prefix "/CustomText", sections, naming.CustomText),                          \
        TEXT_FIELD(prefix "/Demo", sections, naming.Demo),                                      \
        BOOL_FIELD(prefix "/AutoFolder", sections, naming.AutoFolder),                          \
        BOOL_FIELD(prefix "/AutoFolderPublisher", sections, naming.AutoFolderPublisher),        \
        INT_FIELD(prefix "/ShortCount", sections, ShortCount)

// Every value in the order it is written and read.
const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = {
        INT_FIELD("CDDBversion", O, CDDBversion),
        TEXT_FIELD("sdxLocation", O, sdxLocation),
        TEXT_FIELD("FreeDbHost", O, FreeDbHost),
        TEXT_FIELD("SFXdbHost", O, SFXdbHost),
        TEXT_FIELD("WebHost", O, WebHost),
        INT_FIELD("Layout/ColumnWidth", L, ColumnWidth),
        INT_FIELD("Layout/TagWidth", L, TagWidth),
        INT_FIELD("Layout/TagHeight", L, TagHeight),
        INT_FIELD("Layout/TagX", L, TagX),
        INT_FIELD("Layout/TagY", L, TagY),
        TEXT_FIELD("Layout/MODE", L, MODE),
        INT_FIELD("Layout/CDtab", L, CDtab),
        INT_FIELD("Layout/MainWindow/Left", L | W, Left),
        INT_FIELD("Layout/MainWindow/Top", L | W, Top),
        INT_FIELD("Layout/MainWindow/Width", L | W, Width),
        INT_FIELD("Layout/MainWindow/Height", L | W, Height),
        INT_FIELD("CDripper/DriveNumber", C, DriveNumber),
        TEXT_FIELD("CDripper/cdOutputRoot", C, cdOutputRoot),
        BOOL_FIELD("CDripper/cdAutoMusFreeDb", C | O, cdAutoMusFreeDb),
        BOOL_FIELD("CDripper/cdAutoSFXFreeDb", C | O, cdAutoSFXFreeDb),
        BOOL_FIELD("CDripper/cdAutoPost", C | O, cdAutoPost),
        BOOL_FIELD("CDripper/cdAutoSFXdb", C | O, cdAutoSFXdb),
        NAMING_FIELDS("CDripper/NamingOptions", C, CdNaming),
        TEXT_FIELD("CDripper/OutputFormat/AudioFormat", C, AudioFormat),
        INT_FIELD("CDripper/OutputFormat/SampleRate", C, SampleRate),
        INT_FIELD("CDripper/OutputFormat/BitDepth", C, BitDepth),
        INT_FIELD("CDripper/OutputFormat/BitRate", C, BitRate),
        BOOL_FIELD("CDripper/SFXcd/chkSFXbwav", C, chkSFXbwav),
        BOOL_FIELD("CDripper/SFXcd/chkSfxId3", C, chkSfxId3),
        BOOL_FIELD("CDripper/SFXcd/chksfxIXML", C, chksfxIXML),
        BOOL_FIELD("CDripper/MusicCD/chkMusicbwav", C, chkMusicbwav),
        BOOL_FIELD("CDripper/MusicCD/chkMusicId3", C, chkMusicId3),
        BOOL_FIELD("CDripper/MusicCD/chkMusicIXML", C, chkMusicIXML),
        NAMING_FIELDS("Renamer/NamingOptions", R, RenameNaming),
        BOOL_FIELD("Renamer/DoRename", R, DoRename),
        BOOL_FIELD("Renamer/DoBwav", R, DoBwav),
        BOOL_FIELD("Renamer/DoID3", R, DoID3),
        BOOL_FIELD("Renamer/DoiXML", R, DoiXML),
        TEXT_FIELD("Renamer/LastFolder", R, LastFolder),
    };
    return fields;
}

unsigned SectionMaskOf(TSettingsSections sections) {
    unsigned mask = 0;
    if (sections.Options)
        mask |= O;
    if (sections.Layout)
        mask |= L;
    if (sections.Layout && sections.MainWindow)
        mask |= W;
    if (sections.Ripper)
        mask |= C;
    if (sections.Renamer)
        mask |= R;
    return mask;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// The element at `path` below `root`, created where missing (the last child of that name is
// reused, so elements of one group stay together in the written order).
pugi::xml_node ElementForWriting(pugi::xml_node root, const QString& path) {
    pugi::xml_node node = root;
    for (const QString& name : path.split('/')) {
        const std::string utf8Name = Utf8(name);
        pugi::xml_node last = node.last_child();
        node = (last && utf8Name == last.name()) ? last : node.append_child(utf8Name.c_str());
    }
    return node;
}

QString ValueText(const Field& field, TSettingsValues& values) {
    if (auto access = std::get_if<IntValue>(&field.value))
        return QString::number((*access)(values).value());
    if (auto access = std::get_if<BoolValue>(&field.value))
        return (*access)(values).value() ? "True" : "False";
    return (*std::get<TextValue>(field.value))(values).value();
}

bool HasValue(const Field& field, TSettingsValues& values) {
    return std::visit([&](auto access) { return access(values).has_value(); }, field.value);
}

void ComposeShortcuts(pugi::xml_node root, const TSettingsValues& values) {
    pugi::xml_node shortcuts = root.append_child("Shortcuts");
    for (const auto& [action, shortcut] : values.Shortcuts.value_or(QList<QPair<QString, QString>>()))
        shortcuts.append_child(Utf8(action).c_str()).text().set(Utf8(shortcut).c_str());
}

// The element at `path` below `root` (first match of each name), or an empty node.
pugi::xml_node FindElement(pugi::xml_node root, const char* path) {
    pugi::xml_node node = root;
    for (const QString& name : QString::fromLatin1(path).split('/')) {
        node = node.child(Utf8(name).c_str());
        if (!node)
            break;
    }
    return node;
}

bool ParseInt(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// "True"/"False" in any letter case, or a number (0 false, any other true).
bool ParseBool(const QString& text, bool& value) {
    if (text.compare("True", Qt::CaseInsensitive) == 0 ||
        text.compare("False", Qt::CaseInsensitive) == 0) {
        value = text.compare("True", Qt::CaseInsensitive) == 0;
        return true;
    }
    int number = 0;
    if (!ParseInt(text, number))
        return false;
    value = number != 0;
    return true;
}

bool ReadField(const Field& field, const QString& text, TSettingsValues& values) {
    if (auto access = std::get_if<IntValue>(&field.value)) {
        int number = 0;
        if (!ParseInt(text, number))
            return false;
        (*access)(values) = number;
    } else if (auto access = std::get_if<BoolValue>(&field.value)) {
        bool flag = false;
        if (!ParseBool(text, flag))
            return false;
        (*access)(values) = flag;
    } else {
        (*std::get<TextValue>(field.value))(values) = text;
    }
    return true;
}

void ReadShortcuts(pugi::xml_node root, TSettingsValues& values) {
    pugi::xml_node shortcuts = root.child("Shortcuts");
    if (!shortcuts)
        return;
    QList<QPair<QString, QString>> found;
    for (pugi::xml_node element : shortcuts.children()) {
        if (element.type() != pugi::node_element)
            continue;
        const QString name = QString::fromStdString(element.name());
        const bool seen = std::any_of(found.begin(), found.end(),
                                      [&](const auto& entry) { return entry.first == name; });
        if (!seen)
            found.append({name, QString::fromStdString(element.child_value())});
    }
    values.Shortcuts = found;
}

} // namespace

QByteArray TSettingsDocument::Compose(const TSettingsValues& values, TSettingsSections sections) {
    TSettingsValues readable = values; // the field accessors take a mutable record
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Trackmothsettings");
    const unsigned included = SectionMaskOf(sections);
    for (const Field& field : Fields()) {
        if ((field.sections & included) != field.sections || !HasValue(field, readable))
            continue;
        ElementForWriting(root, field.path).text().set(Utf8(ValueText(field, readable)).c_str());
    }
    if (sections.Options)
        ComposeShortcuts(root, values);
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return QByteArray::fromStdString(out.str());
}

void TSettingsDocument::Save(const QString& fileName, const TSettingsValues& values,
                             TSettingsSections sections) {
    const QByteArray text = Compose(values, sections);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw EAppError(QString("Cannot write %1: %2").arg(fileName, file.errorString()));
}

TSettingsDocument::ReadResult TSettingsDocument::Parse(const QByteArray& text,
                                                       TSettingsValues& values) {
    pugi::xml_document document;
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    if (!document.load_buffer(text.constData(), size_t(text.size()), options, pugi::encoding_utf8))
        return Failed;
    pugi::xml_node root = document.document_element();
    if (!root)
        return Failed;
    if (FindElement(root, "CDripper"))
        values.DriveNumber = -1; // a ripper section without a drive selects none
    for (const Field& field : Fields()) {
        pugi::xml_node element = FindElement(root, field.path);
        if (!element)
            continue;
        if (!ReadField(field, QString::fromStdString(element.child_value()), values))
            return Failed;
    }
    ReadShortcuts(root, values);
    return Read;
}

TSettingsDocument::ReadResult TSettingsDocument::Load(const QString& fileName,
                                                      TSettingsValues& values) {
    QFile file(fileName);
    if (!file.exists())
        return Missing;
    if (!file.open(QIODevice::ReadOnly))
        return Failed;
    return Parse(file.readAll(), values);
}
