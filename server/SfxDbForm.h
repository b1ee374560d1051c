#pragma once

#include <map>
#include <string>
#include <vector>

// How the client's values arrive. In a GET query each value carries one level of percent
// codes; in the form POST two (the client's own value encoding, then the form encoding).
// "+" is a plus, never a blank, and a "%" without two hex digits is a plain "%".
std::string PercentDecode(const std::string& text);
// The "name=value" fields of a raw query or form body, split at "&" and each at its first
// "="; the value decoded `levels` times. The first field of a name counts.
std::map<std::string, std::string> DecodeFields(const std::string& text, int levels);
// The query part of a raw request target ("" when it has none).
std::string QueryOf(const std::string& target);
// Lines split at CR LF, LF or CR; a break at the end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);
// `text` without control characters (tabs become blanks), so that it stays a clean XML text.
std::string CleanText(const std::string& text);
