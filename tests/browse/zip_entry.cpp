#include "zip_entry.h"

#include <zlib.h>

#include <cstdint>

namespace browse_test {

namespace {

std::uint32_t Le(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
    return v;
}

}  // namespace

std::string ZipEntry(const std::string& zip, const std::string& name) {
    // The central directory names every member with its local header offset and sizes.
    std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    if (end == std::string::npos || end + 22 > zip.size()) return {};
    std::size_t at = Le(zip, end + 16, 4);
    const std::uint32_t count = Le(zip, end + 10, 2);
    for (std::uint32_t i = 0; i < count && at + 46 <= zip.size(); ++i) {
        const std::uint32_t method = Le(zip, at + 10, 2);
        const std::uint32_t packed = Le(zip, at + 20, 4), size = Le(zip, at + 24, 4);
        const std::uint32_t nameLength = Le(zip, at + 28, 2), extra = Le(zip, at + 30, 2), comment = Le(zip, at + 32, 2);
        const std::uint32_t local = Le(zip, at + 42, 4);
        if (zip.compare(at + 46, nameLength, name) == 0 && nameLength == name.size()) {
            const std::size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
            if (method == 0) return zip.substr(data, size);
            std::string out(size, '\0');
            z_stream z{};
            inflateInit2(&z, -MAX_WBITS);
            z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
            z.avail_in = packed;
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = size;
            inflate(&z, Z_FINISH);
            inflateEnd(&z);
            return out;
        }
        at += 46 + nameLength + extra + comment;
    }
    return {};
}

}  // namespace browse_test
