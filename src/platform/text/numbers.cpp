#include "platform/text/numbers.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <string>

namespace text {
namespace {

// strtod and strtol honour LC_NUMERIC; typed numbers and our files always use a point, so read in the C locale.
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks of the C locale's isspace.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// True when the whole token has the shape of a decimal literal under `rules`.
bool IsDecimalLiteral(std::string_view token, DecimalRules rules) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        if (token[i] == '+' && !rules.plusSign) return false;
        ++i;
    }
    const std::size_t intStart = i;
    i = SkipDigits(token, i);
    const std::size_t intDigits = i - intStart;
    if (!rules.leadingZeros && intDigits > 1 && token[intStart] == '0') return false;
    std::size_t fracDigits = 0;
    if (i < token.size() && token[i] == '.') {
        const std::size_t fracStart = ++i;
        i = SkipDigits(token, i);
        fracDigits = i - fracStart;
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
        const std::size_t expStart = i;
        i = SkipDigits(token, i);
        if (i == expStart) return false;
    }
    return i == token.size();
}

std::string_view WithoutPlus(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    return token;
}

// Digits only, as an integer no larger than a stake can sensibly be.
std::optional<long long> ReadDigits(std::string_view digits) {
    if (digits.empty() || digits.size() > 15 || SkipDigits(digits, 0) != digits.size()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// "K<km>+<m>[.<fraction>]" without blanks at either end; none when `text` has another shape.
std::optional<double> ParseKilometreStake(std::string_view text) {
    if (text.empty() || (text[0] != 'K' && text[0] != 'k')) return std::nullopt;
    std::size_t plus = text.find('+');
    if (plus == std::string_view::npos) return std::nullopt;
    std::optional<long long> km = ReadDigits(Trimmed(text.substr(1, plus - 1)));
    if (!km || IsBlank(text[1])) return std::nullopt;
    std::string_view metres = Trimmed(text.substr(plus + 1));
    std::size_t point = metres.find('.');
    std::optional<long long> whole = ReadDigits(metres.substr(0, point));
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : metres.substr(point + 1);
    if (!whole || (point != std::string_view::npos && (fraction.empty() || SkipDigits(fraction, 0) != fraction.size())))
        return std::nullopt;
    // One literal for the whole distance, so "K12+345.678" reads exactly as "12345.678" does.
    std::string literal = std::to_string(*km * 1000 + *whole);
    if (!fraction.empty()) literal.append(".").append(fraction);
    return ParseDecimal(literal);
}

}  // namespace

double Atof(std::string_view text) {
    // Most texts are plain decimals ("20", "-1.5"): those are read without a copy and the locale, as
    // from_chars rounds exactly as strtod does. Blanks, hex, inf, trailing text and overflow go to strtod.
    if (auto plain = ParseDecimal(text)) return *plain;
    std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

long Atol(std::string_view text) {
    std::string copy(text);
    return strtol_l(copy.c_str(), nullptr, 10, CLocale());
}

std::optional<double> ParseDecimal(std::string_view token, DecimalRules rules) {
    if (!IsDecimalLiteral(token, rules)) return std::nullopt;
    token = WithoutPlus(token);
    double value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view token) {
    std::string_view sign = token.substr(0, 1);
    std::size_t start = sign == "+" || sign == "-" ? 1 : 0;
    if (token.size() == start || SkipDigits(token, start) != token.size()) return std::nullopt;
    token = WithoutPlus(token);
    int value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value, 10);
    if (ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

bool ParseWholeNumber(std::string_view text, double& value) {
    std::optional<double> parsed = ParseDecimal(Trimmed(text));
    if (!parsed) return false;
    value = *parsed;
    return true;
}

std::optional<double> ParseStake(std::string_view text) {
    text = Trimmed(text);
    if (std::optional<double> metres = ParseDecimal(text)) return metres;
    return ParseKilometreStake(text);
}

std::string InvalidStakeMessage(std::string_view text) {
    return "“" + std::string(text) + "”不是有效的桩号，请输入数值或K1+190.5形式的桩号。";
}

}  // namespace text
