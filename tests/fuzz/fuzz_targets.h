#pragma once
// Fuzz targets: each takes any bytes and must end without a crash and without an error escaping; they
// abort on anything else. A libFuzzer build (clang) calls the one VELTRA_FUZZ_TARGET names from
// LLVMFuzzerTestOneInput (fuzz_scratch.cpp); every build runs them over a short slice of mutated inputs
// (fuzz_slices_test.cpp).
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The bytes as a wizard description for `veltra-cli new --from`: refused with status 1 or written with 0.
int WizardJson(const std::uint8_t* data, std::size_t size);

// The bytes as a component library file, listed and read the way the library dialogs read it.
int LibraryReader(const std::uint8_t* data, std::size_t size);

// A scratch folder for one run of the targets, removed at exit.
const std::string& ScratchFolder();

}  // namespace fuzz
