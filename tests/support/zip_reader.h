#pragma once
// Reads one member of a zip file (an .xlsx workbook) through its central directory, inflating it with zlib.
#include <string>

namespace testing_support {

// The bytes of `member`, or "" with ok=false when the file is no zip or has no such member.
std::string ReadZipMember(const std::string& zipPath, const std::string& member, bool& ok);

}  // namespace testing_support
