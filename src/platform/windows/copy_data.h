#pragma once
// The copy-data message between cooperating top-level windows: the sender's window handle, a data kind and a
// block of bytes, framed on a local socket and answered by an acknowledgement that carries the receiver's
// result. Command lines for the drawing host travel as kind 1: GBK text with its terminating zero. A message
// may carry an id: a sender that gave up waiting resends under the same id, and a receiver that took the
// first copy late answers the repeat from memory instead of acting twice.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace windows {

using WindowHandle = std::int64_t;

struct CopyData {
    WindowHandle sender = 0;
    std::uint32_t kind = 0;
    std::string bytes;     // exactly the byte count the sender gave
    std::uint64_t id = 0;  // 0: the message has no id and is never taken for a repeat
};

inline constexpr std::uint32_t kCommandLineKind = 1;
// The longest command line a receiver takes (its text, without the zero). Nothing the cooperating programs
// say comes near it; a longer record is refused as soon as its header arrives.
inline constexpr std::uint32_t kMaxCommandLineBytes = 64u * 1024;
inline constexpr std::uint32_t kMaxCopyDataBytes = kMaxCommandLineBytes + 1;
// The answer the receiving side gives on its own, without a handler, to a record over kMaxCopyDataBytes.
inline constexpr std::int32_t kAnswerTooLarge = -2;

// A command line as the drawing host takes it: kind 1, the text in GBK followed by one zero byte.
CopyData CommandLineRecord(std::string_view utf8Text, WindowHandle sender);
// The zero-terminated text of a record, back in UTF-8 (bytes after the first zero are not part of it).
std::string RecordText(const CopyData& data);

std::string EncodeFrame(const CopyData& data);

enum class FrameError {
    None,
    NotAFrame,  // the bytes cannot be a frame: the connection is dropped without an answer
    TooLarge,   // a frame whose byte count is over kMaxCopyDataBytes: refused with kAnswerTooLarge
};
// Takes one complete frame off the front of `buffer`. Returns nullopt while the frame is incomplete or
// when `error` is set; the error is known as soon as the header is there, before the rest arrives.
std::optional<CopyData> TakeFrame(std::string& buffer, FrameError& error);

inline constexpr std::size_t kAckSize = 8;
std::string EncodeAck(std::int32_t result);
// nullopt when the bytes are no acknowledgement.
std::optional<std::int32_t> DecodeAck(std::string_view bytes);

}  // namespace windows
