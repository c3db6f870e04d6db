#include "library/library_file.h"

#include <cctype>

namespace library {

ui::FileRequest LibraryFileRequest(const std::string& title) {
    ui::FileRequest request;
    request.save = false;
    request.title = title;
    request.defaultExtension = kLibraryExtension;
    request.filter = kLibraryFilter;
    request.mustExist = true;
    return request;
}

std::string LibraryFilePath(const std::string& typed) {
    const std::string::size_type slash = typed.find_last_of('/');
    const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string path = typed;
    // Only ASCII letters change case: the bytes of a Chinese name stay as they are.
    for (std::string::size_type i = nameStart; i < path.size(); ++i)
        path[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[i])));
    if (path.find(".BCL", nameStart) == std::string::npos) path += ".BCL";
    return path;
}

}  // namespace library
