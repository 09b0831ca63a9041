// Small text routines of the game.
#include "text_helpers.h"

#include <cstdio>
#include <cstdlib>

bool IsAddress(std::string_view text) {
    return SplitString(text, ".").size() == 4;
}

char UpperCaseChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 32);
    // Windows-1252: the accented lower-case letters sit 32 above their capitals, except a few.
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<char>(byte - 32);
    switch (byte) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperCaseChar(c);
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperCaseChar(a[i]) != UpperCaseChar(b[i])) return false;
    return true;
}

std::vector<std::string> SplitString(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(separator, start)) != std::string_view::npos;
         start = found + separator.size()) {
        pieces.emplace_back(text.substr(start, found - start));
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string PrintNumber(long long value) {
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? -value : value) + " ";
}

double LeadingNumber(std::string_view text) {
    std::string number;
    bool digitsSeen = false, pointSeen = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        if ((c == '-' || c == '+') && number.empty()) {
            number += c;
        } else if (c >= '0' && c <= '9') {
            number += c;
            digitsSeen = true;
        } else if (c == '.' && !pointSeen) {
            number += c;
            pointSeen = true;
        } else {
            break;
        }
    }
    return digitsSeen ? std::strtod(number.c_str(), nullptr) : 0.0;
}

std::string NumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::optional<bool> ParseBoolean(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string value(text.substr(first, text.find_last_not_of(' ') - first + 1));
    const std::string upper = UpperCase(value);
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;

    // A plain decimal number, signed, with an optional fraction and exponent.
    const char* start = value.c_str();
    char* end = nullptr;
    const double number = std::strtod(start, &end);
    const bool onlyDigits = value.find_first_of("xXpPnNiI") == std::string::npos;
    if (end == start || *end != '\0' || !onlyDigits) return std::nullopt;
    return number != 0.0;
}
