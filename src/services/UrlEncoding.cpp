#include "services/UrlEncoding.h"

namespace {
const char* const upperHex = "0123456789ABCDEF";

const char* UrlCode(char c) {
    switch (c) {
    case ' ': return "%20";
    case '"': return "%22";
    case '&': return "%26";
    case '(': return "%28";
    case ')': return "%29";
    case '.': return "%2e";
    case ',': return "%2c";
    case '-': return "%2d";
    case '?': return "%3F";
    case '\r': return "%0D";
    case '\n': return "%0A";
    default: return nullptr;
    }
}

bool NeedsFormCode(unsigned char c) {
    switch (c) {
    case '*': case '#': case '%': case '<': case '>': case ' ': case '[': case ']':
        return true;
    default:
        return c < 33 || c > 128;
    }
}
} // namespace

QByteArray UrlEncode(const QByteArray& text) {
    QByteArray encoded;
    encoded.reserve(text.size());
    for (char c : text) {
        if (const char* code = UrlCode(c))
            encoded += code;
        else
            encoded += c;
    }
    return encoded;
}

QByteArray FormEncodeField(const QByteArray& field) {
    const qsizetype equals = field.indexOf('=');
    if (equals < 0)
        return field;
    QByteArray encoded = field.left(equals + 1);
    for (qsizetype i = equals + 1; i < field.size(); ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (NeedsFormCode(c)) {
            encoded += '%';
            encoded += upperHex[c >> 4];
            encoded += upperHex[c & 15];
        } else {
            encoded += char(c);
        }
    }
    return encoded;
}

QByteArray FormBody(const QList<QPair<QByteArray, QByteArray>>& fields) {
    QList<QByteArray> encoded;
    for (const auto& [name, value] : fields)
        encoded.append(FormEncodeField(name + "=" + UrlEncode(value)));
    return encoded.join('&');
}

QByteArray UrlQueryValue(const QByteArray& text) { return UrlEncode(text).replace('#', "%23"); }
