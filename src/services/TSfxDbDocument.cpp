#include "services/TSfxDbDocument.h"

#include "services/TextLines.h"

#include <pugixml.hpp>

#include <iterator>

namespace {
QString Text(pugi::xml_node node) { return QString::fromUtf8(node.text().get()); }

// The element after `node`, whatever text lies between them.
pugi::xml_node NextElement(pugi::xml_node node) {
    if (!node)
        return {};
    pugi::xml_node next = node.next_sibling();
    while (next && next.type() != pugi::node_element)
        next = next.next_sibling();
    return next;
}

// XML starts with markup; the parser itself would take stray text before it as content.
bool StartsAsXml(const QByteArray& text) {
    qsizetype at = text.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n'))
        ++at;
    return at == text.size() || text[at] == '<';
}

TResult Load(pugi::xml_document& document, const QByteArray& text) {
    if (!StartsAsXml(text))
        return TResult::Error("The database's answer is not readable XML (text before the first element)");
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.constData(), size_t(text.size()), pugi::parse_default,
                             pugi::encoding_utf8);
    if (parsed || parsed.status == pugi::status_no_document_element)
        return TResult::Ok();
    return TResult::Error(QString("The database's answer is not readable XML (%1 at byte %2)")
                              .arg(QString::fromUtf8(parsed.description()))
                              .arg(parsed.offset));
}

TSfxDbRecord ReadRecord(pugi::xml_node element) {
    TSfxDbRecord record;
    record.Producer = Text(element.child("Prod"));
    const pugi::xml_node series = element.child("Series");
    record.HasSeries = bool(series);
    record.Series = Text(series);
    const pugi::xml_node title = NextElement(series);
    const pugi::xml_node id = NextElement(title);
    record.Title = Text(title);
    record.IdText = Text(id);
    record.Language = Text(NextElement(id));
    const pugi::xml_node cd = element.child("CD");
    record.HasCD = bool(cd);
    record.CD = Text(cd);
    record.IdAfterCD = Text(NextElement(cd));
    return record;
}
} // namespace

bool TSfxDbDocument::ParseInteger(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

TResult TSfxDbDocument::ParseRevision(const QByteArray& text, int& revision) {
    revision = 0;
    pugi::xml_document document;
    TResult loaded = Load(document, text);
    if (!loaded)
        return loaded;
    const pugi::xml_node rev = document.document_element().child("Rev");
    if (rev && !ParseInteger(Text(rev), revision))
        return TResult::Error(QString("The database's revision \"%1\" is no number").arg(Text(rev)));
    return TResult::Ok();
}

TSfxDbDocument::TDatabase TSfxDbDocument::ParseDatabase(const QByteArray& text) {
    TDatabase database;
    pugi::xml_document document;
    database.Outcome = Load(document, text);
    if (!database.Outcome)
        return database; // a broken document gives no records, not the part before the fault
    const pugi::xml_node root = document.document_element();
    database.HasRoot = bool(root);
    database.Records.reserve(std::distance(root.begin(), root.end()));
    for (pugi::xml_node element = root.first_child(); element; element = element.next_sibling())
        if (element.type() == pugi::node_element)
            database.Records.append(ReadRecord(element));
    return database;
}

TSfxDbTracks TSfxDbDocument::ParseTracks(const QByteArray& text) {
    TSfxDbTracks tracks;
    pugi::xml_document document;
    if (!Load(document, text))
        return tracks;
    const pugi::xml_node root = document.document_element();
    if (!root)
        return tracks;
    tracks.HasRoot = true;
    auto take = [&root](const char* name, bool& has, QString& value) {
        const pugi::xml_node node = root.child(name);
        has = bool(node);
        if (node)
            value = Text(node);
    };
    take("Producer", tracks.HasProducer, tracks.Producer);
    take("Series", tracks.HasSeries, tracks.Series);
    take("CD", tracks.HasCD, tracks.CD);
    for (const QByteArray& line : SplitTextLines(root.child("TrackNames").text().get()))
        tracks.TrackNames.append(QString::fromUtf8(line));
    return tracks;
}
