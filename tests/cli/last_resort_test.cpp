// A subcommand that lets an error through: one line naming it on standard error and status 2.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "cli/command.h"
#include "platform/dao/dao_exception.h"

namespace {

struct Outcome {
    int status;
    std::string err;
};

Outcome RunBoom(int (*run)(const std::vector<std::string>&)) {
    cli::Command command{"boom", "boom FILE", run};
    testing::internal::CaptureStderr();
    int status = cli::RunCommand(command, {"x"});
    return {status, testing::internal::GetCapturedStderr()};
}

TEST(LastResort, AnErrorThatEscapesASubcommandIsOneLineAndStatusTwo) {
    struct Case {
        int (*run)(const std::vector<std::string>&);
        Outcome expected;
    } cases[] = {
        {[](const std::vector<std::string>&) -> int { throw std::length_error("basic_string::_M_create"); },
         {2, "命令“boom”因意外错误中止：内部错误（basic_string::_M_create）。\n"}},
        {[](const std::vector<std::string>&) -> int { throw std::bad_alloc(); },
         {2, "命令“boom”因意外错误中止：内存不足。\n"}},
        {[](const std::vector<std::string>&) -> int { throw "text"; }, {2, "命令“boom”因意外错误中止：未知错误。\n"}},
        // A database error stays what it always was: its text, its code, status 1.
        {[](const std::vector<std::string>&) -> int { throw dao::DaoException(dao::kErrReadOnly, "只读。"); },
         {1, "只读。   (3027)\n"}},
        {[](const std::vector<std::string>&) { return 0; }, {0, ""}},
    };
    for (const auto& c : cases) {
        Outcome got = RunBoom(c.run);
        EXPECT_EQ(got.status, c.expected.status) << got.err;
        EXPECT_EQ(got.err, c.expected.err);
    }
}

}  // namespace
