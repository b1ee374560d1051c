#include "naming/TextCuts.h"

#include <QTextBoundaryFinder>

namespace {
// The length, in UTF-16 units, of the longest run of whole code points from the start that
// fits into `maxBytes`.
qsizetype CodePointCut(const QString& text, qsizetype maxBytes) {
    qsizetype position = 0;
    qsizetype bytes = 0;
    while (position < text.size()) {
        const qsizetype units = text.at(position).isHighSurrogate() && position + 1 < text.size() &&
                                        text.at(position + 1).isLowSurrogate()
                                    ? 2
                                    : 1;
        const qsizetype length = Utf8Length(QStringView(text).mid(position, units));
        if (bytes + length > maxBytes)
            break;
        bytes += length;
        position += units;
    }
    return position;
}
} // namespace

qsizetype Utf8Length(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            // A lone surrogate becomes a replacement character: at most three bytes.
            bytes += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
        }
    }
    return bytes;
}

QString LeadingCharacters(const QString& text, qsizetype count) {
    if (text.size() <= count)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count; ++taken) {
        const qsizetype next = characters.toNextBoundary();
        if (next < 0)
            return text;
        end = next;
    }
    return text.left(end);
}

QString LeadingUtf8Bytes(const QString& text, qsizetype maxBytes) {
    // No UTF-16 unit takes more than three bytes.
    if (text.size() * 3 <= maxBytes || Utf8Length(text) <= maxBytes)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    qsizetype bytes = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0;
         next = characters.toNextBoundary()) {
        bytes += Utf8Length(QStringView(text).mid(end, next - end));
        if (bytes > maxBytes)
            break;
        end = next;
    }
    if (end == 0)
        end = CodePointCut(text, maxBytes);
    return text.left(end);
}
