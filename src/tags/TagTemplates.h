#pragma once

#include <QString>

class tsound;

// Tag templates: free text with placeholders such as "%SoundDescription;" that stand for the
// sound's own metadata. The record keeps its templates; the tag writer expands them into the
// text it writes each time it tags, so a changed description or publisher reaches every kind of
// tag on the next write.

// How inserted values are written: as they are (bext texts), or for XML text (iXML): decoded
// from the basic entities descriptions often arrive with, then escaped, so a description
// holding "&", "<" or a quote cannot make the iXML chunk unreadable.
enum class TTemplateValues { Plain, XmlEscaped };

// `text` with every placeholder replaced by the sound's value, in one pass from left to right:
// an inserted value is never scanned again, so a description holding "%Year;" stays as it is.
QString ExpandTemplate(const QString& text, const tsound& sound,
                       TTemplateValues values = TTemplateValues::Plain);
// An empty XMLdata becomes the template "<BWFXML><NOTE>%SoundDescription;</NOTE></BWFXML>",
// which the tag writer fills with the description of the moment.
void MakeDefaultIxml(tsound& sound);
// "&lt;" to "<", then "&gt;" to ">", then "&amp;" to "&".
QString DecodeBasicEntities(const QString& text);
// "&", "<", ">", '"' and "'" as XML entities, so the text is safe in element text and in
// attribute values quoted either way.
QString EscapeXmlText(const QString& text);
// The starting text the tag editor offers for a sound without iXML text.
QString EditorDefaultIxml();
