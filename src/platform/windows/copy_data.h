#pragma once
// The copy-data message between cooperating top-level windows: the sender's window handle, a data kind and a
// block of bytes, framed on a local socket and answered by an acknowledgement that carries the receiver's
// result. Command lines for the drawing host travel as kind 1: GBK text with its terminating zero.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace windows {

using WindowHandle = std::int64_t;

struct CopyData {
    WindowHandle sender = 0;
    std::uint32_t kind = 0;
    std::string bytes;  // exactly the byte count the sender gave
};

inline constexpr std::uint32_t kCommandLineKind = 1;
// Larger records are refused: nothing the cooperating programs say comes near it.
inline constexpr std::uint32_t kMaxCopyDataBytes = 1u << 20;

// A command line as the drawing host takes it: kind 1, the text in GBK followed by one zero byte.
CopyData CommandLineRecord(std::string_view utf8Text, WindowHandle sender);
// The zero-terminated text of a record, back in UTF-8 (bytes after the first zero are not part of it).
std::string RecordText(const CopyData& data);

std::string EncodeFrame(const CopyData& data);
// Takes one complete frame off the front of `buffer`. Returns nullopt while the frame is incomplete; sets
// `malformed` when the bytes cannot be a frame (the connection is then dropped without an answer).
std::optional<CopyData> TakeFrame(std::string& buffer, bool& malformed);

inline constexpr std::size_t kAckSize = 8;
std::string EncodeAck(std::int32_t result);
// nullopt when the bytes are no acknowledgement.
std::optional<std::int32_t> DecodeAck(std::string_view bytes);

}  // namespace windows
