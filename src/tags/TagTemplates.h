#pragma once

#include <QString>

class tsound;

// Tag templates: free text with placeholders such as "%SoundDescription;" that stand for the
// sound's own metadata, expanded just before the sound is tagged.

// How inserted values are written: as they are (bext texts), or escaped for XML text (iXML),
// so a description holding "&", "<" or a quote cannot make the iXML chunk unreadable.
enum class TTemplateValues { Plain, XmlEscaped };

// `text` with every placeholder replaced by the sound's value, one placeholder after the other
// in a fixed order; a value inserted by an earlier placeholder is scanned by the later ones.
QString ExpandTemplate(const QString& text, const tsound& sound,
                       TTemplateValues values = TTemplateValues::Plain);
// Replaces bwav, bWav2, bWav3 (plain values) and XMLdata (XML-escaped values) by their
// expansions; the templates are gone afterwards.
void ExpandTemplates(tsound& sound);
// An empty XMLdata becomes "<BWFXML><NOTE>" + the description + "</NOTE></BWFXML>", the
// description decoded by DecodeBasicEntities and then escaped for XML.
void MakeDefaultIxml(tsound& sound);
// "&lt;" to "<", then "&gt;" to ">", then "&amp;" to "&".
QString DecodeBasicEntities(const QString& text);
// "&", "<", ">", '"' and "'" as XML entities, so the text is safe in element text and in
// attribute values quoted either way.
QString EscapeXmlText(const QString& text);
// The starting text the tag editor offers for a sound without iXML text.
QString EditorDefaultIxml();
