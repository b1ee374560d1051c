#include "services/TextLines.h"

QList<QByteArray> SplitTextLines(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

qsizetype CountTextLines(const QByteArray& text, qsizetype atMost) {
    qsizetype lines = 0;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size && lines < atMost; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        ++lines;
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (lines < atMost && start < size)
        ++lines;
    return lines;
}
