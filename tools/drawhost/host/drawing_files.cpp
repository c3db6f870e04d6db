#include "host/drawing_files.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "projectdb/drawing_file_name.h"

namespace drawhost {
namespace {

namespace fs = std::filesystem;

bool Inside(const fs::path& path, const fs::path& folder) {
    auto [f, p] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return f == folder.end();
}

// The file as it would be written: every link on the way followed. A link that leads nowhere would be
// followed by the write and create its target, so it counts as leading out.
bool StaysInside(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    fs::file_status own = fs::symlink_status(file, error);
    if (fs::is_symlink(own)) {
        fs::path target = fs::canonical(file, error);
        return !error && Inside(target, folder);
    }
    fs::path resolved = fs::weakly_canonical(file, error);
    return !error && Inside(resolved, folder);
}

}  // namespace

void CheckDrawingFilesInside(const std::string& folder, const std::string& fileBase) {
    if (fileBase.empty()) throw std::runtime_error("没有给出图形文件名。");
    if (auto problem = projectdb::DrawingFileNameProblem(fileBase)) throw std::runtime_error(*problem);
    std::error_code error;
    fs::path root = fs::canonical(folder, error);
    if (error) throw std::runtime_error("找不到图形文件夹“" + folder + "”。");
    for (const char* extension : {".dxf", ".svg"}) {
        fs::path file = root / (fileBase + extension);
        if (!StaysInside(file, root))
            throw std::runtime_error("图形文件“" + file.string() + "”经由链接指到文件夹“" + root.string() +
                                     "”之外，没有写出。");
    }
}

}  // namespace drawhost
