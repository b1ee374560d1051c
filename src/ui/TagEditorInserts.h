#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// What the tag editor's template menus insert.

// "Insert": menu caption and the placeholder it puts into a template field.
const std::vector<std::pair<QString, QString>>& TemplatePlaceholders();

// "Add ixml tag": the tags of the menu itself and of its "Track lists" submenu.
const QStringList& IxmlTags();
const QStringList& IxmlTrackListTags();

// An iXML element to insert: a line break, the tag, its closing tag (every "<" of the tag
// becomes "</"), a line break; the caret goes right after the opening tag.
struct TIxmlInsertion {
    QString Text;
    int CaretOffset = 0; // from the start of Text
};
TIxmlInsertion IxmlTagInsertion(const QString& tag);
