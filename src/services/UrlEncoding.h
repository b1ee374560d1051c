#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// The database's value encoding: space "%20", double quote "%22", "&" "%26", "(" "%28",
// ")" "%29", "." "%2e", "," "%2c", "-" "%2d", "?" "%3F", CR "%0D", LF "%0A". Every other byte,
// "%" and "+" and bytes above 127 included, passes unchanged. The server decodes exactly these.
QByteArray UrlEncode(const QByteArray& text);

// The second encoding a form field gets on its way into a POST body: in the text after the
// first "=", each of "*", "#", "%", "<", ">", space, "[", "]" and every byte below 33 or above
// 128 becomes "%" and two upper-case hex digits.
QByteArray FormEncodeField(const QByteArray& field);

// "name=value" fields, each value passed through UrlEncode, then each field through
// FormEncodeField, joined with "&": the body of the database's form POST.
QByteArray FormBody(const QList<QPair<QByteArray, QByteArray>>& fields);

// A value as it goes into a GET URL: UrlEncode, and "#" as "%23", since a URL ends at "#".
QByteArray UrlQueryValue(const QByteArray& text);
