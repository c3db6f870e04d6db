#pragma once
// The one writer of the GBK text files the system produces (interface files, reports).
// Lines are given in UTF-8 and written in GBK; writeLine ends them with CR LF.
#include <cstdio>
#include <string>
#include <string_view>

namespace text {

class GbkFileWriter {
public:
    GbkFileWriter() = default;
    explicit GbkFileWriter(const std::string& path) { open(path); }
    ~GbkFileWriter() { close(); }
    GbkFileWriter(const GbkFileWriter&) = delete;
    GbkFileWriter& operator=(const GbkFileWriter&) = delete;

    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view utf8);        // converted to GBK, no line end
    void writeLine(std::string_view utf8);    // converted to GBK, then CR LF
    void writeGbk(std::string_view gbkBytes); // already GBK (from FormatGbk)
    void writeGbkLine(std::string_view gbkBytes);
    // Flushes and closes; false when anything could not be written.
    bool close();

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Writes `bytes` as the whole content of `path` so that a failed write or a crash leaves the old file as it was:
// the bytes go to a new file of a unique name beside it first, which reaches the disk and then takes the old
// one's place. False when nothing could be written; the old file stays and no temporary is left behind.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// Creates a new, empty file of a unique name in the folder of `path` (so that a rename onto `path` stays on one
// file system) and returns its name; empty when none could be created. Two writers never get the same name.
std::string CreateFileBeside(const std::string& path);

// Moves the finished file `temporary` onto `path` in one step, after its contents have reached the disk, and
// makes the rename itself durable. Readers see the old file or the new one, never a part of either.
bool MoveFileIntoPlace(const std::string& temporary, const std::string& path);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace text
