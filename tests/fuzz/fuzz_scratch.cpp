#include <cstdlib>
#include <filesystem>

#include "fuzz_targets.h"

namespace fuzz {

namespace {

// The folder goes with the program: its destructor runs at exit, after the last target has run.
struct Scratch {
    Scratch() {
        char name[] = "/tmp/veltra-fuzz-XXXXXX";
        const char* made = mkdtemp(name);
        path = made ? made : "";
    }
    ~Scratch() {
        std::error_code ec;
        if (!path.empty()) std::filesystem::remove_all(path, ec);
    }
    std::string path;
};

}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

}  // namespace fuzz

// A libFuzzer program names its target with VELTRA_FUZZ_TARGET; the scratch folder goes into each of them.
#ifdef VELTRA_FUZZ_TARGET
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return VELTRA_FUZZ_TARGET(data, size);
}
#endif
