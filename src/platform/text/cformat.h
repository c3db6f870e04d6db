#pragma once
// C-style formatting for the files and texts the system writes. String arguments are UTF-8; they are
// converted to GBK before formatting, so that widths such as "%10s" or "%-21s" count GBK bytes, as the
// programs that read our files expect. Numbers are always written in the C locale ("0.950000", never
// "0,950000"), whatever locale the process runs in.
#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/text/gbk.h"

namespace text {
namespace detail {

template <class T>
decltype(auto) PassGbk(const T& value, std::vector<std::string>& keep) {
    if constexpr (std::is_convertible_v<const T&, std::string_view> && !std::is_arithmetic_v<T>) {
        keep.push_back(ToGbk(std::string_view(value)));
        return static_cast<const char*>(keep.back().c_str());
    } else {
        return value;
    }
}

template <class T>
decltype(auto) PassPlain(const T& value) {
    if constexpr (std::is_same_v<T, std::string>) {
        return value.c_str();
    } else {
        return value;
    }
}

std::string FormatRaw(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace detail

// snprintf on UTF-8 text with byte widths taken as they are (for ASCII-only formats such as "%.3lf").
template <class... Args>
std::string Format(const char* format, const Args&... args) {
    return detail::FormatRaw(format, detail::PassPlain(args)...);
}

// snprintf whose result is GBK bytes: the format and every string argument are converted to GBK first.
template <class... Args>
std::string FormatGbk(const char* format, const Args&... args) {
    std::vector<std::string> keep;
    keep.reserve(sizeof...(Args) + 1);
    std::string gbkFormat = ToGbk(format);
    return detail::FormatRaw(gbkFormat.c_str(), detail::PassGbk(args, keep)...);
}

// The text snprintf writes for "%.<precision>f" ("%lf" is precision 6), without the cost of parsing a format:
// imports and grids format millions of numbers.
std::string FormatFixed(double value, int precision);

// FormatGbk, returned as UTF-8: the text a window shows for a line that is written with GBK widths.
template <class... Args>
std::string FormatWide(const char* format, const Args&... args) {
    return FromGbkLenient(FormatGbk(format, args...));
}

}  // namespace text
