// Small text routines of the game: address shape, upper case, splitting and number printing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// True when the text cut at "." gives exactly four pieces; the pieces themselves are not examined.
bool IsAddress(std::string_view text);

// Upper case of one byte in the game's single-byte code page (ASCII and the accented letters).
char UpperCaseChar(char c);
std::string UpperCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Cuts the text at every occurrence of the separator; consecutive separators give empty pieces,
// and an empty text gives one empty piece.
std::vector<std::string> SplitString(std::string_view text, std::string_view separator);

// A number in the form the game prints it: a blank (or the minus sign), the digits, a blank.
std::string PrintNumber(long long value);

// The numeric value of a text's leading decimal number, as the game reads numbers that players
// type and files hold: blanks and tabs are skipped wherever they stand, a sign may lead, one
// decimal point may follow the digits; the first other character ends the number. A text without
// digits counts as 0.
double LeadingNumber(std::string_view text);

// A truth value as the game's files hold it: True or False in any letter case, or a number (0 is
// false, any other true), blanks around it allowed. Anything else, the empty text included, is
// no truth value.
std::optional<bool> ParseBoolean(std::string_view text);

// A number as a text box shows it: whole numbers without a point, others with up to fifteen
// significant digits ("2000", "2000.5").
std::string NumberText(double value);

inline constexpr std::string_view kCrLf = "\r\n";
