#pragma once
// The last word on an error that no operation caught: the menu commands and the command line's
// subcommands end with this message instead of taking the program down.
#include <string>

namespace app {

// Call inside a catch block: "命令“导入”因意外错误中止：<what happened>。", with the database error's text
// and code, "内存不足" for memory, the exception's own text otherwise.
std::string EscapedErrorMessage(const std::string& command);

// A menu text as a message names it: "导入(&I)..." → "导入".
std::string CommandNameOf(const std::string& menuText);

}  // namespace app
