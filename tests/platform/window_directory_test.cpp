// The window directory: the copy-data frame on the wire, the activation order of the listed windows, the
// synchronous send with its answer and its time limit, and the entries that ended programs leave behind.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "platform/windows/copy_data.h"
#include "platform/windows/registered_window.h"
#include "platform/windows/window_directory.h"
#include "support/test_support.h"
#include "support/window_server.h"

namespace {

using windows::CopyData;
using windows::RegisteredWindow;
using windows::SendResult;
using windows::WindowDirectory;

std::vector<std::string> Titles(const WindowDirectory& directory) {
    std::vector<std::string> titles;
    for (const auto& w : directory.List()) titles.push_back(w.title);
    return titles;
}

TEST(CopyDataFrame, CommandLineRecordCountsGbkBytesAndTheTerminatingZero) {
    struct Case {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"LOADDBAUTO ", std::string("LOADDBAUTO \0", 12)},
        {"(arxload \"D:/图纸/Ombrix.arx\") ", std::string("(arxload \"D:/\xcd\xbc\xd6\xbd/Ombrix.arx\") \0", 32)},
        {"", std::string("\0", 1)},
    };
    for (const auto& c : cases) {
        CopyData record = windows::CommandLineRecord(c.text, 42);
        EXPECT_EQ(record.kind, 1u);
        EXPECT_EQ(record.sender, 42);
        EXPECT_EQ(record.bytes, c.bytes) << c.text;
        EXPECT_EQ(windows::RecordText(record), c.text);
    }
}

TEST(CopyDataFrame, FramesArriveInPiecesAndBackToBack) {
    CopyData first = windows::CommandLineRecord("VLTIN ", -7);
    CopyData second{5, 99, std::string("a\0b", 3)};
    std::string wire = windows::EncodeFrame(first) + windows::EncodeFrame(second);
    std::string buffer;
    std::vector<CopyData> taken;
    bool malformed = false;
    // One byte at a time: a frame is taken exactly when its last byte is there.
    for (char byte : wire) {
        buffer.push_back(byte);
        if (auto data = windows::TakeFrame(buffer, malformed)) taken.push_back(*data);
        ASSERT_FALSE(malformed);
    }
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].sender, -7);
    EXPECT_EQ(taken[0].bytes, std::string("VLTIN \0", 7));
    EXPECT_EQ(taken[1].kind, 99u);
    EXPECT_EQ(taken[1].bytes, std::string("a\0b", 3));
    EXPECT_TRUE(buffer.empty());

    std::string oversized = windows::EncodeFrame({0, 1, "x"});
    oversized.replace(16, 4, "\xff\xff\xff\x7f");  // a byte count far past the limit
    for (std::string bad : {std::string("HTTP/1.1"), oversized}) {
        EXPECT_FALSE(windows::TakeFrame(bad, malformed));
        EXPECT_TRUE(malformed);
    }
    EXPECT_EQ(windows::DecodeAck(windows::EncodeAck(-3)), -3);
    EXPECT_FALSE(windows::DecodeAck("VACK"));
}

class WindowDirectoryTest : public ::testing::Test {
protected:
    testing_support::TempDir temp;
    WindowDirectory directory{temp.file("windows")};
};

TEST_F(WindowDirectoryTest, ListsTheMostRecentlyActivatedFirst) {
    std::optional<RegisteredWindow> text;
    RegisteredWindow main(directory, "AutoCAD 2002 - [Drawing1.dwg]");
    text.emplace(directory, "AutoCAD Text Window");
    RegisteredWindow shell(directory, "LumarisOmbrix");
    EXPECT_EQ(Titles(directory),
              (std::vector<std::string>{"LumarisOmbrix", "AutoCAD Text Window", "AutoCAD 2002 - [Drawing1.dwg]"}));

    main.Activated();
    shell.SetTitle("LumarisOmbrix - [/p/a.vlt]");  // a new title keeps the window where it is
    EXPECT_EQ(Titles(directory), (std::vector<std::string>{"AutoCAD 2002 - [Drawing1.dwg]",
                                                           "LumarisOmbrix - [/p/a.vlt]", "AutoCAD Text Window"}));
    EXPECT_EQ(directory.List().front().handle, main.Handle());

    text.reset();
    EXPECT_EQ(Titles(directory),
              (std::vector<std::string>{"AutoCAD 2002 - [Drawing1.dwg]", "LumarisOmbrix - [/p/a.vlt]"}));
}

TEST_F(WindowDirectoryTest, SendWaitsForTheReceiversAnswer) {
    RegisteredWindow receiver(directory, "AutoCAD 2002");
    std::vector<CopyData> received;
    receiver.SetHandler([&](const CopyData& data) {
        received.push_back(data);
        return 7;
    });
    {
        testing_support::WindowServer server(receiver);
        for (const char* text : {"LOADDBAUTO ", "VLTIN "}) {
            windows::SendOutcome sent = directory.Send(receiver.Handle(), windows::CommandLineRecord(text, 1));
            EXPECT_EQ(sent.result, SendResult::Delivered);
            EXPECT_EQ(sent.answer, 7);
        }
    }
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(windows::RecordText(received[0]), "LOADDBAUTO ");
    EXPECT_EQ(received[1].bytes.size(), 7u);
}

TEST_F(WindowDirectoryTest, AReceiverThatDoesNotAnswerCostsTheTimeLimitOnly) {
    RegisteredWindow silent(directory, "AutoCAD 2002");  // nobody polls it
    auto sent = directory.Send(silent.Handle(), windows::CommandLineRecord("VLTIN ", 1), std::chrono::milliseconds(50));
    EXPECT_EQ(sent.result, SendResult::Timeout);
    EXPECT_EQ(Titles(directory), std::vector<std::string>{"AutoCAD 2002"});  // still there: it only is busy

    // A window that is gone: no wait at all, and no entry.
    windows::WindowHandle gone = silent.Handle() + 1;
    EXPECT_EQ(directory.Send(gone, windows::CommandLineRecord("VLTIN ", 1)).result, SendResult::NoWindow);
}

TEST_F(WindowDirectoryTest, EntriesOfEndedProgramsAreRemoved) {
    pid_t child = fork();
    if (child == 0) {
        // Registers and ends without taking the window out, as a crashed program does.
        new RegisteredWindow(directory, "AutoCAD 2002 - [crashed]");
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(directory.Folder()), {}), 3);  // entry, socket, stamp

    RegisteredWindow alive(directory, "LumarisOmbrix");
    EXPECT_EQ(Titles(directory), std::vector<std::string>{"LumarisOmbrix"});
    std::set<std::string> files;
    for (const auto& file : std::filesystem::directory_iterator(directory.Folder()))
        files.insert(file.path().filename().string());
    std::string own = std::to_string(alive.Handle());
    EXPECT_EQ(files, (std::set<std::string>{"activation", own + ".sock", own + ".window"}));
}

TEST_F(WindowDirectoryTest, OnlyTheUserReachesTheDirectory) {
    RegisteredWindow window(directory, "AutoCAD 2002");
    struct stat st {};
    ASSERT_EQ(stat(directory.Folder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(stat(directory.SocketPath(window.Handle()).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    std::string open = temp.file("open");
    mkdir(open.c_str(), 0755);
    EXPECT_THROW(WindowDirectory{open}, windows::DirectoryError);
    std::filesystem::create_directory_symlink(directory.Folder(), temp.file("link"));
    EXPECT_THROW(WindowDirectory{temp.file("link")}, windows::DirectoryError);
}

}  // namespace
