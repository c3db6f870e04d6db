#pragma once
// What a printed PDF holds, read back with poppler's command-line tools (pdfinfo, pdftotext): an
// independent reader of what the print wrote. Tests skip when the tools are missing.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace testing_support {

inline bool HavePdfTools() { return std::system("pdfinfo -v >/dev/null 2>&1 && pdftotext -v >/dev/null 2>&1") == 0; }

inline std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// pdfinfo's report (Pages:, Page size: ... pts).
inline std::string PdfInfo(const std::string& path) { return CommandOutput("pdfinfo '" + path + "' 2>&1"); }

// The "Pages:" of pdfinfo's report, 0 when it has none.
inline int PdfPageCount(const std::string& info) {
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// The text of page `page` (from 1), laid out as printed.
inline std::string PdfPageText(const std::string& path, int page) {
    const std::string p = std::to_string(page);
    return CommandOutput("pdftotext -layout -f " + p + " -l " + p + " '" + path + "' - 2>/dev/null");
}

}  // namespace testing_support
