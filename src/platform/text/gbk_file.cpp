#include "platform/text/gbk_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

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

namespace {

std::string FolderOf(const std::string& path) {
    auto cut = path.find_last_of('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

bool SyncPath(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

std::string CreateFileBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    std::string folder = FolderOf(path);
    auto cut = path.find_last_of('/');
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // The process id and a counter keep two writers apart; O_EXCL settles what they cannot.
        std::string candidate = folder + "/." + name + "." + std::to_string(::getpid()) + "." +
                                std::to_string(counter.fetch_add(1)) + ".tmp";
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

bool MoveFileIntoPlace(const std::string& temporary, const std::string& path) {
    if (!SyncPath(temporary, O_RDONLY)) return false;
    if (std::rename(temporary.c_str(), path.c_str()) != 0) return false;
    // Without this the rename may be lost in a power cut although the call returned.
    SyncPath(FolderOf(path), O_RDONLY | O_DIRECTORY);
    return true;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    std::string temporary = CreateFileBeside(path);
    if (temporary.empty()) return false;
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    bool ok = f != nullptr;
    if (f) {
        ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        ok = std::fclose(f) == 0 && ok;
    }
    if (ok) ok = MoveFileIntoPlace(temporary, path);
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
