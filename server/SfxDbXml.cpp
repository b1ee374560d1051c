#include "SfxDbXml.h"

#include "SfxDbForm.h"

#include <pugixml.hpp>

#include <sstream>
#include <stdexcept>

namespace {
std::string Save(const pugi::xml_document& document) {
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

void AddText(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i)
        joined += (i ? "\n" : "") + lines[i];
    return joined;
}

pugi::xml_node AddRecord(pugi::xml_node root, const TSfxCd& cd) {
    pugi::xml_node record = root.append_child("Record");
    AddText(record, "Prod", cd.Producer);
    AddText(record, "Series", cd.Series);
    AddText(record, "CD", cd.Title);
    AddText(record, "ID", std::to_string(cd.Id));
    AddText(record, "Lang", cd.Language);
    return record;
}

long long ParseId(const std::string& text) {
    if (text.empty())
        return 0;
    size_t used = 0;
    long long id = 0;
    try {
        id = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || id <= 0)
        throw std::runtime_error("\"" + text + "\" is no database id");
    return id;
}
} // namespace

std::string RevisionXml(long long revision) {
    pugi::xml_document document;
    AddText(document.append_child("Version"), "Rev", std::to_string(revision));
    return Save(document);
}

std::string DatabaseXml(const std::vector<TSfxCd>& cds) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("SFXdb");
    for (const TSfxCd& cd : cds)
        AddRecord(root, cd);
    return Save(document);
}

std::string TracksXml(const TSfxCd& cd) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Tracks");
    AddText(root, "Producer", cd.Producer);
    AddText(root, "Series", cd.Series);
    AddText(root, "CD", cd.Title);
    AddText(root, "TrackNames", JoinLines(cd.TrackNames));
    return Save(document);
}

std::string ExportXml(const std::vector<TSfxCd>& cds, long long revision) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("SFXdb");
    root.append_attribute("revision").set_value(std::to_string(revision).c_str());
    for (const TSfxCd& cd : cds) {
        pugi::xml_node record = AddRecord(root, cd);
        AddText(record, "TrackNames", JoinLines(cd.TrackNames));
        for (const std::string& discId : cd.DiscIds)
            AddText(record, "DiscId", discId);
    }
    return Save(document);
}

std::vector<TSfxCd> ParseImportXml(const std::string& text) {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed)
        throw std::runtime_error(std::string("not readable XML: ") + parsed.description() +
                                 " at byte " + std::to_string(parsed.offset));
    std::vector<TSfxCd> cds;
    for (pugi::xml_node record : document.document_element().children("Record")) {
        TSfxCd cd;
        cd.Producer = CleanText(record.child("Prod").text().get());
        cd.Series = CleanText(record.child("Series").text().get());
        cd.Title = CleanText(record.child("CD").text().get());
        cd.Language = CleanText(record.child("Lang").text().get());
        cd.Id = ParseId(record.child("ID").text().get());
        for (const std::string& line : SplitLines(record.child("TrackNames").text().get()))
            cd.TrackNames.push_back(CleanText(line));
        for (pugi::xml_node discId : record.children("DiscId"))
            cd.DiscIds.push_back(CleanText(discId.text().get()));
        cds.push_back(std::move(cd));
    }
    return cds;
}
