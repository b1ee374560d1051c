#pragma once

#include <QByteArray>
#include <QList>

// Splits text the way a comma-delimited list with whitespace is read: tokens are separated by
// commas and by runs of blanks and control characters; a token that begins with a double quote
// runs to the matching closing quote and may hold blanks and commas (a doubled quote inside
// stands for one quote); two commas with nothing between them give an empty token, and a comma
// at the very end gives a final empty token. A NUL byte ends the text.
class TCommaText {
public:
    static QList<QByteArray> Split(const QByteArray& text);

private:
    static bool IsBlank(char c) { return c > 0 && c <= ' '; }
    static QByteArray QuotedToken(const char*& p, const char* end);
};
