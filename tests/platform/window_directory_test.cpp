// The window directory: the copy-data frame on the wire, the activation order of the listed windows, the
// synchronous send with its answer and its time limit, resends of late messages, the bounds on what a peer
// may send, and the entries that ended programs leave behind.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "platform/windows/copy_data.h"
#include "platform/windows/registered_window.h"
#include "platform/windows/window_directory.h"
#include "support/raw_peer.h"
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
    second.id = 0x1122334455667788u;
    std::string wire = windows::EncodeFrame(first) + windows::EncodeFrame(second);
    std::string buffer;
    std::vector<CopyData> taken;
    windows::FrameError error;
    // One byte at a time: a frame is taken exactly when its last byte is there.
    for (char byte : wire) {
        buffer.push_back(byte);
        if (auto data = windows::TakeFrame(buffer, error)) taken.push_back(*data);
        ASSERT_EQ(error, windows::FrameError::None);
    }
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].sender, -7);
    EXPECT_EQ(taken[0].id, 0u);
    EXPECT_EQ(taken[0].bytes, std::string("VLTIN \0", 7));
    EXPECT_EQ(taken[1].kind, 99u);
    EXPECT_EQ(taken[1].id, 0x1122334455667788u);
    EXPECT_EQ(taken[1].bytes, std::string("a\0b", 3));
    EXPECT_TRUE(buffer.empty());

    // The byte count sits at offset 24; an oversized one is known from the header alone.
    std::string header = windows::EncodeFrame({0, 1, "x"}).substr(0, 28);
    std::string oversized = header, atLimit = header;
    oversized.replace(24, 4, std::string("\x02\x00\x01\x00", 4));  // 64 KiB + 2
    atLimit.replace(24, 4, std::string("\x01\x00\x01\x00", 4));    // 64 KiB + 1: a 64 KiB line and its zero
    struct Case {
        std::string bytes;
        windows::FrameError error;
    } cases[] = {
        {"HTTP/1.1", windows::FrameError::NotAFrame},
        {oversized, windows::FrameError::TooLarge},
        {atLimit, windows::FrameError::None},
    };
    for (auto& c : cases) {
        EXPECT_FALSE(windows::TakeFrame(c.bytes, error));
        EXPECT_EQ(error, c.error) << c.bytes.size();
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
    // The message went out whole: the receiver may still take it, so it is not reported as lost.
    EXPECT_EQ(sent.result, SendResult::Unconfirmed);
    EXPECT_EQ(Titles(directory), std::vector<std::string>{"AutoCAD 2002"});  // still there: it only is busy

    // A window that is gone: no wait at all, and no entry.
    windows::WindowHandle gone = silent.Handle() + 1;
    EXPECT_EQ(directory.Send(gone, windows::CommandLineRecord("VLTIN ", 1)).result, SendResult::NoWindow);
}

TEST_F(WindowDirectoryTest, AResendOfALateMessageIsAnsweredWithoutRunningItAgain) {
    RegisteredWindow receiver(directory, "AutoCAD 2002");
    std::vector<std::string> ran;
    receiver.SetHandler([&](const CopyData& data) {
        ran.push_back(windows::RecordText(data));
        return 5;
    });
    CopyData vltin = windows::CommandLineRecord("VLTIN ", 1);
    vltin.id = 77;
    // The sender gives up before the busy receiver gets to the message, which it then takes late.
    EXPECT_EQ(directory.Send(receiver.Handle(), vltin, std::chrono::milliseconds(20)).result, SendResult::Unconfirmed);
    receiver.Poll();
    EXPECT_EQ(ran, std::vector<std::string>{"VLTIN "});

    CopyData other = windows::CommandLineRecord("QUIT ", 1);
    other.id = 78;
    CopyData noId = windows::CommandLineRecord("LOADDBAUTO ", 1);
    {
        testing_support::WindowServer server(receiver);
        for (const CopyData& data : {vltin, vltin, other, noId, noId}) {
            windows::SendOutcome sent = directory.Send(receiver.Handle(), data);
            EXPECT_EQ(sent.result, SendResult::Delivered);
            EXPECT_EQ(sent.answer, 5);  // a repeat gets the answer the first copy got
        }
    }
    // Without an id nothing is taken for a repeat.
    EXPECT_EQ(ran, (std::vector<std::string>{"VLTIN ", "QUIT ", "LOADDBAUTO ", "LOADDBAUTO "}));
}

// The first bytes of a command line's frame: its header and a little of the text.
std::string HalfFrame(std::size_t textBytes = 60000) {
    return windows::EncodeFrame(windows::CommandLineRecord(std::string(textBytes, 'x'), 1)).substr(0, 40);
}

TEST_F(WindowDirectoryTest, WhatPeersSendIsBoundedInSizeTimeAndNumber) {
    RegisteredWindow receiver(directory, "AutoCAD 2002");
    int handled = 0;
    receiver.SetHandler([&](const CopyData&) { return ++handled, 1; });
    std::string socketPath = directory.SocketPath(receiver.Handle());

    // An oversized message is refused as soon as its header is in, with an answer that says so.
    {
        testing_support::RawPeer big(socketPath);
        ASSERT_TRUE(big.Connected());
        std::string line(windows::kMaxCommandLineBytes + 1, 'x');
        std::string frame = windows::EncodeFrame(windows::CommandLineRecord(line, 1));
        big.Write(frame.substr(0, 4096));
        receiver.Poll();
        EXPECT_EQ(big.Answer(), windows::kAnswerTooLarge);
        EXPECT_TRUE(receiver.ConnectionFds().empty());
    }
    EXPECT_EQ(handled, 0);

    // One connection more than the cap drops the oldest waiting one.
    windows::ReceiveLimits limits;
    limits.maxConnections = 3;
    receiver.SetLimits(limits);
    std::vector<std::unique_ptr<testing_support::RawPeer>> peers;
    for (int i = 0; i < 5; ++i) {
        peers.push_back(std::make_unique<testing_support::RawPeer>(socketPath));
        ASSERT_GT(peers.back()->Write(HalfFrame()), 0u);
    }
    receiver.Poll();
    EXPECT_EQ(receiver.ConnectionFds().size(), 3u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(peers[i]->ClosedByReceiver(), i < 2) << i;
    peers.clear();
    receiver.Poll();  // the peers hung up
    EXPECT_TRUE(receiver.ConnectionFds().empty());

    // The bytes held for all connections together are capped: the connection that goes past it is dropped.
    limits = {};
    limits.maxBufferedBytes = 100000;
    receiver.SetLimits(limits);
    std::string header = windows::EncodeFrame(windows::CommandLineRecord(std::string(60000, 'x'), 1)).substr(0, 40000);
    for (int i = 0; i < 3; ++i) {
        peers.push_back(std::make_unique<testing_support::RawPeer>(socketPath));
        ASSERT_EQ(peers.back()->Write(header), header.size());
    }
    receiver.Poll();
    EXPECT_EQ(receiver.ConnectionFds().size(), 2u);
    EXPECT_TRUE(peers[2]->ClosedByReceiver());
    peers.clear();
    receiver.Poll();

    // A half-sent message is held a few seconds at most; one that runs out of time is dropped.
    limits = {};
    testing_support::RawPeer slow(socketPath);
    slow.Write(HalfFrame());
    auto before = std::chrono::steady_clock::now();
    receiver.Poll();
    ASSERT_EQ(receiver.ConnectionFds().size(), 1u);
    ASSERT_TRUE(receiver.NextExpiry());
    EXPECT_LE(*receiver.NextExpiry() - before, std::chrono::seconds(5));
    EXPECT_FALSE(slow.ClosedByReceiver());
    limits.frameTimeout = std::chrono::milliseconds(0);
    receiver.SetLimits(limits);
    testing_support::RawPeer late(socketPath);
    late.Write(HalfFrame());
    receiver.Poll();
    EXPECT_TRUE(late.ClosedByReceiver());
    EXPECT_EQ(receiver.ConnectionFds().size(), 1u);  // the slow one keeps the time it was given

    // A whole message is still answered, however short its time.
    testing_support::RawPeer quick(socketPath);
    quick.Write(windows::EncodeFrame(windows::CommandLineRecord("VLTIN ", 1)));
    receiver.Poll();
    EXPECT_EQ(quick.Answer(), 1);
    EXPECT_EQ(handled, 1);
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
