#include "zip_reader.h"

#include <zlib.h>

#include <cstdint>

#include "support/test_support.h"

namespace testing_support {

namespace {

std::uint32_t U16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

}  // namespace

std::string ReadZipMember(const std::string& zipPath, const std::string& member, bool& ok) {
    ok = false;
    std::string zip = ReadBytes(zipPath);
    if (zip.size() < 22) return {};
    std::size_t eocd = zip.size() - 22;
    while (eocd > 0 && U32(zip, eocd) != 0x06054b50) --eocd;
    if (U32(zip, eocd) != 0x06054b50) return {};
    std::uint32_t entries = U16(zip, eocd + 10);
    std::size_t at = U32(zip, eocd + 16);
    for (std::uint32_t i = 0; i < entries && at + 46 <= zip.size(); ++i) {
        if (U32(zip, at) != 0x02014b50) return {};
        std::uint32_t method = U16(zip, at + 10);
        std::uint32_t packed = U32(zip, at + 20), size = U32(zip, at + 24);
        std::uint32_t nameLen = U16(zip, at + 28), extraLen = U16(zip, at + 30), commentLen = U16(zip, at + 32);
        std::size_t local = U32(zip, at + 42);
        std::string name = zip.substr(at + 46, nameLen);
        at += 46 + nameLen + extraLen + commentLen;
        if (name != member) continue;
        std::size_t data = local + 30 + U16(zip, local + 26) + U16(zip, local + 28);
        if (data + packed > zip.size()) return {};
        if (method == 0) {
            ok = true;
            return zip.substr(data, packed);
        }
        if (method != 8) return {};
        std::string out(size, '\0');
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return {};
        z.next_in = reinterpret_cast<Bytef*>(zip.data() + data);
        z.avail_in = packed;
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = size;
        int rc = inflate(&z, Z_FINISH);
        inflateEnd(&z);
        ok = rc == Z_STREAM_END;
        return ok ? out : std::string();
    }
    return {};
}

}  // namespace testing_support
