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

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".veltra-new";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
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
