// libFuzzer target for the update file: the comma-text tokenizer against a plain model of the
// rules, and the decision made from its tokens. Only an update number above this program's own
// offers an update, and the updater's parameter text always ends in a quote.
#include "services/TCommaText.h"
#include "services/TUpdateCheck.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// The rules written out once more, character by character, as a second opinion.
QList<QByteArray> ModelSplit(const QByteArray& text) {
    const QByteArray input = text.left(text.indexOf('\0') < 0 ? text.size() : text.indexOf('\0'));
    auto blank = [](char c) { return c > 0 && c <= ' '; };
    QList<QByteArray> tokens;
    qsizetype i = 0;
    const qsizetype n = input.size();
    while (i < n && blank(input[i]))
        ++i;
    while (i < n) {
        QByteArray token;
        if (input[i] == '"') {
            for (++i; i < n; ++i) {
                if (input[i] != '"') {
                    token += input[i];
                } else if (i + 1 < n && input[i + 1] == '"') {
                    token += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            while (i < n && !blank(input[i]) && input[i] != ',')
                token += input[i++];
        }
        tokens.append(token);
        while (i < n && blank(input[i]))
            ++i;
        if (i < n && input[i] == ',') {
            ++i;
            if (i == n)
                tokens.append(QByteArray());
            while (i < n && blank(input[i]))
                ++i;
        }
    }
    return tokens;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    if (TCommaText::Split(file) != ModelSplit(file))
        Fail("the tokenizer and its model differ");

    const TUpdateCheck::TOffer offer = TUpdateCheck::Decide(file);
    const bool offers = offer.Decision == TUpdateCheck::Install ||
                        offer.Decision == TUpdateCheck::Download;
    if (offers && offer.Info.Number <= TUpdateCheck::OwnUpdateNumber)
        Fail("an update that is not newer");
    if (offer.Decision == TUpdateCheck::Install && !offer.Info.Auto)
        Fail("an automatic install without \"Auto\"");
    if (offers && !TUpdateCheck::ParameterString(offer.Info, "/p").endsWith('"'))
        Fail("parameters without their closing quote");
    if (!offer.Info.Notes.isEmpty() && !offer.Info.Notes.endsWith(' '))
        Fail("notes without their blank");
    return 0;
}
