#include "calc/binary_stream.h"

#include <bit>
#include <cstring>

namespace calc {
namespace {

template <class T>
void AppendLittleEndian(std::string& out, T bits) {
    for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

template <class T>
T FromLittleEndian(const unsigned char* p) {
    T bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<T>(p[i]) << (8 * i);
    return bits;
}

}  // namespace

void LeWriter::Int32(std::int32_t value) { AppendLittleEndian(bytes_, static_cast<std::uint32_t>(value)); }

void LeWriter::Float64(double value) { AppendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value)); }

bool LeReader::Take(void* out, std::size_t n) {
    if (failed_ || remaining() < n) {
        failed_ = true;
        pos_ = bytes_.size();
        return false;
    }
    std::memcpy(out, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
}

std::int32_t LeReader::Int32() {
    unsigned char raw[4];
    if (!Take(raw, sizeof raw)) return 0;
    return static_cast<std::int32_t>(FromLittleEndian<std::uint32_t>(raw));
}

double LeReader::Float64() {
    unsigned char raw[8];
    if (!Take(raw, sizeof raw)) return 0;
    return std::bit_cast<double>(FromLittleEndian<std::uint64_t>(raw));
}

}  // namespace calc
