#include "platform/text/gbk_file.h"

#include "platform/text/gbk.h"

namespace text {

bool GbkFileWriter::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    failed_ = file_ == nullptr;
    return file_ != nullptr;
}

void GbkFileWriter::writeGbk(std::string_view bytes) {
    if (!file_) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

void GbkFileWriter::write(std::string_view utf8) { writeGbk(ToGbk(utf8)); }

void GbkFileWriter::writeLine(std::string_view utf8) {
    write(utf8);
    writeGbk("\r\n");
}

void GbkFileWriter::writeGbkLine(std::string_view bytes) {
    writeGbk(bytes);
    writeGbk("\r\n");
}

bool GbkFileWriter::close() {
    if (!file_) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

}  // namespace text
