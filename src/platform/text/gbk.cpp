#include "platform/text/gbk.h"

#include <iconv.h>

#include <cerrno>

namespace text {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw EncodingError(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on an invalid or unconvertible sequence, writes `replacement` and skips `skip` bytes
    // (0 = throw instead).
    std::string run(std::string_view in, std::string_view replacement, bool lenient) {
        std::string out;
        out.reserve(in.size() * 2 + 4);
        char buffer[4096];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            if (!lenient) throw EncodingError("text is not valid in the expected encoding");
            out.append(replacement);
            // Skip one whole UTF-8 character when the input is UTF-8, else one byte.
            size_t step = 1;
            if (replacement == "?") {
                unsigned char c = static_cast<unsigned char>(*src);
                step = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
                if (step > left) step = left;
            }
            src += step;
            left -= step;
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string ToGbk(std::string_view utf8) {
    thread_local Converter converter("GBK", "UTF-8");
    return converter.run(utf8, "?", true);
}

std::string FromGbk(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "GBK");
    return converter.run(gbk, "", false);
}

std::string FromGbkLenient(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "GBK");
    return converter.run(gbk, "\xEF\xBF\xBD", true);
}

std::size_t GbkWidth(std::string_view utf8) {
    // The '?' written for a character GBK lacks takes one byte, as it does in the file.
    return ToGbk(utf8).size();
}

}  // namespace text
