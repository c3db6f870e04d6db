#pragma once
// Little-endian binary fields for the pier calculation file: 32-bit integers and 64-bit floats written
// one after another, with no tags. The reader remembers the first failure instead of throwing, so that
// a truncated file is reported once, with what was being read.
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

class LeWriter {
public:
    void Int32(std::int32_t value);
    void Float64(double value);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class LeReader {
public:
    explicit LeReader(std::string_view bytes) : bytes_(bytes) {}
    // On a short read these return 0 and mark the reader failed.
    std::int32_t Int32();
    double Float64();
    bool failed() const { return failed_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

private:
    bool Take(void* out, std::size_t n);
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace calc
