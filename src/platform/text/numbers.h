#pragma once
// Reading numbers from text: one place for typed values, field values, route file tokens and workbook
// cells, always in the C locale (a decimal point, whatever LC_NUMERIC says).
//
// Numbers typed by users are read the way the C library's atof and atol read them: leading blanks skipped,
// the longest leading number taken, the rest ignored, no number at all is 0.
//
// Where a token must be a number and nothing else (a field value, a token of a route file, a cell of a
// workbook), the strict readers take the whole token as one decimal literal: a sign, digits with an optional
// point, an optional exponent. Hexadecimal forms, infinities, NaN and values beyond the range of a double
// are not numbers a user types or a file of ours holds.
#include <optional>
#include <string>
#include <string_view>

namespace text {

double Atof(std::string_view text);
long Atol(std::string_view text);

// What a strict reader accepts besides the plain decimal literal.
struct DecimalRules {
    bool plusSign = true;      // "+3"
    bool leadingZeros = true;  // "007", "00.5"; off where such text is a code rather than a number
};

// The whole token as one decimal literal ("-12", "1.", ".5", "1e-3"); none for anything else.
std::optional<double> ParseDecimal(std::string_view token, DecimalRules rules = {});

// The whole token as a signed decimal integer that fits an int ("+4", "-2"); none for anything else.
std::optional<int> ParseInteger(std::string_view token);

// True when the whole text (blanks around it allowed) is one decimal number, as a database field accepts it.
bool ParseWholeNumber(std::string_view text, double& value);

// A stake (a distance along the route, in metres) as engineers write it: "K1+190.5" is kilometre 1 plus
// 190.5 metres, 1190.5; "K0+005", "k12+345.678", blanks around the text and around the "+" are accepted. A
// plain number, a sign allowed, is metres. None for anything else ("abc", "K1+", "K+5", "-K1+5", "1190.5m")
// and for empty text, which each caller decides about.
std::optional<double> ParseStake(std::string_view text);

// "“<text>”不是有效的桩号，请输入数值或K1+190.5形式的桩号。": what a user is told about text that is not a stake.
std::string InvalidStakeMessage(std::string_view text);

}  // namespace text
