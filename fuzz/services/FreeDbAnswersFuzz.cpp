// libFuzzer target for the readers of freedb answers. Each input is read as a query answer and
// as a read answer. Whatever it holds, only well-formed matches may come out: a category of one
// word and an eight-digit hex disc id (they go into the next request's URL), at most MaxMatches
// of them, and a "Single" answer only with both parts valid.
#include "services/TFreeDbAnswers.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void CheckMatch(const QByteArray& category, const QByteArray& discId) {
    if (!TFreeDbAnswers::IsCategory(category) || !TFreeDbAnswers::IsDiscId(discId))
        Fail("a category or disc id that is not one");
    if (category.contains('&') || discId.contains('&') || category.contains(' '))
        Fail("URL characters in a match");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));

    const TFreeDbAnswers::TQuery query = TFreeDbAnswers::ParseQuery(body);
    if (query.Result == TFreeDbAnswers::TQuery::Single)
        CheckMatch(query.Category, query.DiscId);
    if (query.Result == TFreeDbAnswers::TQuery::Several && query.Matches.isEmpty())
        Fail("several matches without one");
    if (query.Matches.size() > TFreeDbAnswers::MaxMatches)
        Fail("too many matches");
    for (const TFreeDbMatch& match : query.Matches) {
        CheckMatch(match.Category, match.DiscId);
        if (!match.Line.contains(match.DiscId))
            Fail("a match that is not from its line");
    }

    const TFreeDbAnswers::TRead read = TFreeDbAnswers::ParseRead(body);
    if (read.Result != TFreeDbAnswers::TRead::Found &&
        (!read.Entry.Artist.isEmpty() || !read.Entry.Titles.isEmpty()))
        Fail("an entry from an answer that holds none");
    if (read.Result == TFreeDbAnswers::TRead::Found && !body.startsWith("210"))
        Fail("an entry without its status");
    return 0;
}
