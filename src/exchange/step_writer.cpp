#include "exchange/step_writer.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace step {
namespace {

// The code point that starts at `i` of a UTF-8 text, and how many bytes it takes; a malformed byte stands
// for itself (as Latin-1), so that nothing is lost.
char32_t NextCodePoint(std::string_view utf8, std::size_t i, std::size_t& bytes) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
    bool ok = (b < 0x80 || extra > 0) && i + extra < utf8.size();
    for (int k = 1; ok && k <= extra; ++k) {
        const auto n = static_cast<unsigned char>(utf8[i + k]);
        ok = (n & 0xC0) == 0x80;
        c = (c << 6) | (n & 0x3F);
    }
    bytes = ok ? extra + 1 : 1;
    return ok ? c : b;
}

void Hex(std::string& out, unsigned long value, int digits) {
    static const char* kDigits = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

namespace {

void AppendReal(std::string& out, double value) {
    if (!std::isfinite(value)) throw std::invalid_argument("a STEP real must be finite");
    if (value == 0) {
        out += "0.";
        return;
    }
    // Formatted in place: a large mesh has millions of reals, and a string for each part of every one of
    // them was much of the export's time.
    char buffer[40];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    const std::string_view mantissa = text.substr(0, e);
    out += mantissa;
    if (mantissa.find('.') == std::string_view::npos) out += '.';
    if (e == std::string_view::npos) return;
    // "e-05" → "E-05", "e+20" → "E20"
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    out += 'E';
    out += exponent;
}

}  // namespace

std::string RealText(double value) {
    std::string out;
    AppendReal(out, value);
    return out;
}

std::string StringText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '\'';
    bool wide = false;
    for (std::size_t i = 0, bytes = 1; i < utf8.size(); i += bytes) {
        const char32_t c = NextCodePoint(utf8, i, bytes);
        if (c >= 0x20 && c < 0x7F) {
            if (wide) out += "\\X0\\", wide = false;
            if (c == '\'') out += "''";
            else if (c == '\\') out += "\\\\";
            else out += static_cast<char>(c);
        } else if (c > 0xFFFF) {
            if (wide) out += "\\X0\\", wide = false;
            out += "\\X4\\";
            Hex(out, c, 8);
            out += "\\X0\\";
        } else {
            // Control characters travel as escapes too: a STEP string holds printable ASCII only.
            if (!wide) out += "\\X2\\", wide = true;
            Hex(out, c, 4);
        }
    }
    if (wide) out += "\\X0\\";
    out += '\'';
    return out;
}

Arg Arg::Real(double value) { return Arg(RealText(value)); }
Arg Arg::String(std::string_view utf8) { return Arg(StringText(utf8)); }

Arg Arg::List(const std::vector<Arg>& items) {
    std::string text = "(";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "," : "") + items[i].text_;
    return Arg(text + ")");
}

Arg Arg::Refs(const std::vector<int>& ids) {
    std::string text = "(";
    char number[16];
    for (std::size_t i = 0; i < ids.size(); ++i) {
        text += i ? ",#" : "#";
        text.append(number, std::to_chars(number, number + sizeof number, ids[i]).ptr);
    }
    text += ')';
    return Arg(std::move(text));
}

Arg Arg::Reals(const std::vector<double>& values) {
    std::string text = "(";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += ',';
        AppendReal(text, values[i]);
    }
    text += ')';
    return Arg(std::move(text));
}

Arg Arg::RealTriples(const std::vector<std::array<double, 3>>& triples) {
    std::string text = "(";
    text.reserve(triples.size() * 36 + 2);
    for (std::size_t i = 0; i < triples.size(); ++i) {
        text += i ? ",(" : "(";
        for (int k = 0; k < 3; ++k) {
            if (k) text += ',';
            AppendReal(text, triples[i][k]);
        }
        text += ')';
    }
    return Arg(text + ")");
}

Arg Arg::IntTriples(const std::vector<std::array<long long, 3>>& triples) {
    std::string text = "(";
    text.reserve(triples.size() * 16 + 2);
    char buffer[24];
    for (std::size_t i = 0; i < triples.size(); ++i) {
        text += i ? ",(" : "(";
        for (int k = 0; k < 3; ++k) {
            if (k) text += ',';
            text.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, triples[i][k]).ptr);
        }
        text += ')';
    }
    return Arg(text + ")");
}

int File::Add(std::string_view entity, const std::vector<Arg>& args) {
    const int id = next_++;
    if (chunks_.empty() || chunks_.back().size() >= kChunkBytes) {
        chunks_.emplace_back();
        chunks_.back().reserve(kChunkBytes + kChunkBytes / 4);
    }
    std::string& data = chunks_.back();
    char number[16];
    data += '#';
    data.append(number, std::to_chars(number, number + sizeof number, id).ptr);
    data += '=';
    data += entity;
    data += '(';
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i) data += ',';
        data += args[i].text();
    }
    data += ");\n";
    return id;
}

namespace {

std::string HeaderSection(const Header& h) {
    auto s = [](const std::string& text) { return StringText(text); };
    std::string out = "ISO-10303-21;\nHEADER;\n";
    out += "FILE_DESCRIPTION((" + s(h.description) + "),'2;1');\n";
    out += "FILE_NAME(" + s(h.name) + "," + s(h.timestamp) + ",(" + s(h.author) + "),(" + s(h.organization) + ")," +
           s(h.preprocessor) + "," + s(h.originatingSystem) + ",'');\n";
    out += "FILE_SCHEMA((" + s(h.schema) + "));\nENDSEC;\nDATA;\n";
    return out;
}

constexpr const char* kTrailer = "ENDSEC;\nEND-ISO-10303-21;\n";

}  // namespace

std::string File::Text(const Header& h) const {
    std::string out = HeaderSection(h);
    std::size_t size = out.size() + 32;
    for (const std::string& chunk : chunks_) size += chunk.size();
    out.reserve(size);
    for (const std::string& chunk : chunks_) out += chunk;
    out += kTrailer;
    return out;
}

void File::Write(std::ostream& out, const Header& h) const {
    out << HeaderSection(h);
    for (const std::string& chunk : chunks_) out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    out << kTrailer;
}

std::string GlobalId(std::string_view key) {
    // Two 64-bit FNV-1a hashes with different offsets, each finished with a multiply-xorshift mix, make the
    // 128 bits; ids only need to be stable and unlikely to meet, not secret.
    auto hash = [&](std::uint64_t h) {
        for (unsigned char c : key) h = (h ^ c) * 0x100000001B3ULL;
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        h ^= h >> 33;
        return h;
    };
    const std::uint64_t high = hash(0xCBF29CE484222325ULL), low = hash(0x84222325CBF29CE4ULL);
    static const char* kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    // 2 + 21 × 6 = 128 bits, the first character holding the two highest.
    std::string id;
    id += kAlphabet[high >> 62];
    for (int i = 0; i < 21; ++i) {
        const int bit = 125 - 6 * i;  // lowest bit of this 6-bit group, counted from the least significant
        std::uint64_t group;
        if (bit >= 64)
            group = high >> (bit - 64);
        else if (bit + 6 <= 64)
            group = low >> bit;
        else
            group = (low >> bit) | (high << (64 - bit));
        id += kAlphabet[group & 0x3F];
    }
    return id;
}

}  // namespace step
