#pragma once
// Conversion between the UTF-8 used inside the program and the GBK code page of the files we exchange.
#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

struct EncodingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// UTF-8 -> GBK bytes. A character GBK cannot hold is written as '?', so a line is never lost.
std::string ToGbk(std::string_view utf8);

// GBK bytes -> UTF-8. Throws EncodingError on a byte sequence that is not GBK.
std::string FromGbk(std::string_view gbk);

// Like FromGbk, but replaces undecodable bytes with U+FFFD instead of throwing (for display of foreign files).
std::string FromGbkLenient(std::string_view gbk);

// Number of bytes the UTF-8 text takes in GBK (a Chinese character counts two).
std::size_t GbkWidth(std::string_view utf8);

}  // namespace text
