#pragma once
// Reads one member of a zip archive (an .xlsx workbook) for the tests; "" when it is not there.
#include <string>

namespace browse_test {

std::string ZipEntry(const std::string& zipBytes, const std::string& name);

}  // namespace browse_test
