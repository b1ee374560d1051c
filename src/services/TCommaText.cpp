#include "services/TCommaText.h"

QByteArray TCommaText::QuotedToken(const char*& p, const char* end) {
    QByteArray token;
    ++p; // the opening quote
    while (p < end && *p != '\0') {
        if (*p == '"') {
            if (p + 1 < end && p[1] == '"') {
                token += '"';
                p += 2;
                continue;
            }
            ++p; // the closing quote
            break;
        }
        token += *p++;
    }
    return token;
}

QList<QByteArray> TCommaText::Split(const QByteArray& text) {
    QList<QByteArray> tokens;
    const char* p = text.constData();
    const char* end = p + text.size();
    auto atEnd = [&] { return p >= end || *p == '\0'; };
    while (!atEnd() && IsBlank(*p))
        ++p;
    while (!atEnd()) {
        if (*p == '"') {
            tokens.append(QuotedToken(p, end));
        } else {
            const char* start = p;
            while (!atEnd() && !IsBlank(*p) && *p != ',')
                ++p;
            tokens.append(QByteArray(start, qsizetype(p - start)));
        }
        while (!atEnd() && IsBlank(*p))
            ++p;
        if (!atEnd() && *p == ',') {
            if (p + 1 >= end || p[1] == '\0')
                tokens.append(QByteArray());
            do
                ++p;
            while (!atEnd() && IsBlank(*p));
        }
    }
    return tokens;
}
