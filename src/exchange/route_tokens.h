#pragma once
// The route reference file read as a stream of white-space separated tokens. Blanks, tabs and line ends
// are all the same separator, so a record may span lines. The file is read in fixed chunks: memory stays
// the same whatever the size of the file. Tokens are GBK bytes as they stand in the file; markers and
// numbers are ASCII, so no conversion is needed to recognise them.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

class RouteTokenReader {
public:
    // Of a longer token only the first kMaxToken + 1 bytes are returned: it never equals a marker and never
    // reads as a number.
    static constexpr std::size_t kMaxToken = 4096;

    static constexpr std::size_t kChunk = 1 << 16;

    // `chunk` is the number of bytes read from a file at a time (small ones let tests cross many boundaries).
    explicit RouteTokenReader(std::size_t chunk = kChunk) : chunk_(chunk ? chunk : 1) {}
    ~RouteTokenReader() { close(); }
    RouteTokenReader(const RouteTokenReader&) = delete;
    RouteTokenReader& operator=(const RouteTokenReader&) = delete;

    // Opens a file for reading; false when it cannot be opened.
    bool open(const std::string& path);
    // Reads from bytes held in memory (the caller keeps them alive).
    void openMemory(std::string_view bytes);
    void close();

    // The next token, valid until the next call; false at the end of the input.
    bool next(std::string_view& token);
    // Skips tokens up to and including the first that equals `marker`; false when the input ends first.
    bool seek(std::string_view marker);
    // The line (from 1) on which the last token returned stands, so that a message can name it; after the
    // end of the input, the last line.
    std::size_t line() const { return line_; }

private:
    bool fill();  // reads the next chunk after the unread bytes; false when nothing more came

    std::size_t chunk_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    const char* data_ = nullptr;       // buffer_ or the caller's bytes
    std::string long_;                 // head of the last over-long token
    std::size_t begin_ = 0, end_ = 0;  // unread bytes of the buffer
    std::size_t line_ = 1;             // line ends passed before the unread bytes, plus one
    bool eof_ = true;
};

// A token read as a "%lf" number: a decimal literal (sign, digits, point, exponent), the whole token.
// Hexadecimal forms, infinities, NaN and values beyond the range of a double are not numbers of a route file.
bool ParseRouteNumber(std::string_view token, double& value);
// A token read as a "%d" count: a decimal integer that fits 32 bits, the whole token.
bool ParseRouteCount(std::string_view token, int& value);
// A section marker: "**" at both ends ("**PLAN**"), whether or not this reader knows it.
bool IsRouteMarker(std::string_view token);

}  // namespace exchange
