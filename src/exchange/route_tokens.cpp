#include "exchange/route_tokens.h"

#include <algorithm>
#include <cstring>

#include <sys/stat.h>

#include "platform/text/numbers.h"

namespace exchange {
namespace {

// The separators of a "%s" conversion in the C locale. GBK lead and trail bytes are never among them.
inline bool IsSeparator(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f'; }

}  // namespace

bool RouteTokenReader::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return false;
    // A folder opens here but cannot be read: it is a file that cannot be opened, not an empty one.
    struct stat info {};
    if (fstat(fileno(file_), &info) != 0 || S_ISDIR(info.st_mode)) {
        close();
        return false;
    }
    buffer_.resize(chunk_ + kMaxToken + 1);
    data_ = buffer_.data();
    begin_ = end_ = 0;
    line_ = 1;
    eof_ = false;
    return true;
}

void RouteTokenReader::openMemory(std::string_view bytes) {
    close();
    data_ = bytes.data();
    begin_ = 0;
    end_ = bytes.size();
    line_ = 1;
    eof_ = true;
}

void RouteTokenReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    data_ = nullptr;
    begin_ = end_ = 0;
    eof_ = true;
}

bool RouteTokenReader::fill() {
    if (eof_ || !file_) return false;
    std::size_t unread = end_ - begin_;
    if (unread && begin_) std::memmove(buffer_.data(), buffer_.data() + begin_, unread);
    begin_ = 0;
    end_ = unread;
    std::size_t got = std::fread(buffer_.data() + end_, 1, std::min(chunk_, buffer_.size() - end_), file_);
    end_ += got;
    if (got == 0) eof_ = true;
    return got > 0;
}

bool RouteTokenReader::next(std::string_view& token) {
    for (;;) {
        for (; begin_ < end_ && IsSeparator(data_[begin_]); ++begin_) line_ += data_[begin_] == '\n';
        if (begin_ == end_) {
            if (!fill()) return false;
            continue;
        }
        std::size_t p = begin_;
        while (p < end_ && !IsSeparator(data_[p])) ++p;
        if (p < end_ || eof_) {
            token = std::string_view(data_ + begin_, std::min(p - begin_, kMaxToken + 1));
            begin_ = p;
            return true;
        }
        if (p - begin_ > kMaxToken) {
            // A token longer than anything the file can mean: keep its head, skip its tail chunk by chunk.
            long_.assign(data_ + begin_, kMaxToken + 1);
            begin_ = end_;
            for (;;) {
                if (!fill()) break;
                std::size_t q = begin_;
                while (q < end_ && !IsSeparator(data_[q])) ++q;
                begin_ = q;
                if (q < end_) break;
            }
            token = long_;
            return true;
        }
        if (!fill()) {
            token = std::string_view(data_ + begin_, end_ - begin_);
            begin_ = end_;
            return true;
        }
    }
}

bool RouteTokenReader::seek(std::string_view marker) {
    std::string_view token;
    while (next(token))
        if (token == marker) return true;
    return false;
}

bool ParseRouteNumber(std::string_view token, double& value) {
    if (token.size() > RouteTokenReader::kMaxToken) return false;
    std::optional<double> parsed = text::ParseDecimal(token);
    if (!parsed) return false;
    value = *parsed;
    return true;
}

bool IsRouteMarker(std::string_view token) {
    return token.size() >= 4 && token.substr(0, 2) == "**" && token.substr(token.size() - 2) == "**";
}

bool ParseRouteCount(std::string_view token, int& value) {
    std::optional<int> parsed = text::ParseInteger(token);
    if (!parsed) return false;
    value = *parsed;
    return true;
}

}  // namespace exchange
