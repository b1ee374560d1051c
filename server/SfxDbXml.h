#pragma once

#include "TSfxCd.h"

#include <string>
#include <vector>

// The XML documents of the database, in UTF-8. A record is
//   <Record><Prod/><Series/><CD/><ID/><Lang/></Record>
// with the id and the language right after the CD title, where the client reads them; the
// export adds <TrackNames> (one name a line) and <DiscId> elements after them.
std::string RevisionXml(long long revision);
std::string DatabaseXml(const std::vector<TSfxCd>& cds);
std::string TracksXml(const TSfxCd& cd);
std::string ExportXml(const std::vector<TSfxCd>& cds, long long revision);
// The CDs of an exported (or hand-written) document; throws std::runtime_error when the text
// is not such a document.
std::vector<TSfxCd> ParseImportXml(const std::string& text);
