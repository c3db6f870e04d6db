#include <cstdlib>
#include <filesystem>

#include "fuzz_targets.h"

namespace fuzz {

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char name[] = "/tmp/veltra-fuzz-XXXXXX";
        const char* made = mkdtemp(name);
        std::string path = made ? made : "/tmp";
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return path;
    }();
    return folder;
}

}  // namespace fuzz
