#include "SfxDbForm.h"

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

std::string PercentDecode(const std::string& text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded += char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::map<std::string, std::string> DecodeFields(const std::string& text, int levels) {
    std::map<std::string, std::string> fields;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('&', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string field = text.substr(start, end - start);
        const size_t equals = field.find('=');
        std::string value = equals == std::string::npos ? std::string() : field.substr(equals + 1);
        for (int level = 0; level < levels; ++level)
            value = PercentDecode(value);
        fields.emplace(PercentDecode(field.substr(0, equals)), value);
        start = end + 1;
    }
    return fields;
}

std::string QueryOf(const std::string& target) {
    const size_t question = target.find('?');
    return question == std::string::npos ? std::string() : target.substr(question + 1);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string CleanText(const std::string& text) {
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            clean += ' ';
        else if (static_cast<unsigned char>(c) >= 32 && c != 127)
            clean += c;
    }
    return clean;
}
