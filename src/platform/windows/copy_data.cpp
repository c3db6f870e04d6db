#include "platform/windows/copy_data.h"

#include "platform/text/gbk.h"

namespace windows {
namespace {

constexpr std::string_view kFrameMagic = "VCD2";
constexpr std::string_view kAckMagic = "VACK";
// magic, sender, kind, id, byte count
constexpr std::size_t kSenderAt = 4, kKindAt = 12, kIdAt = 16, kCountAt = 24;
constexpr std::size_t kHeaderSize = 28;

// Little-endian on the wire whatever the machine, so that the layout is the same for every program.
void PutLe(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::uint64_t GetLe(std::string_view in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

}  // namespace

CopyData CommandLineRecord(std::string_view utf8Text, WindowHandle sender) {
    CopyData data;
    data.sender = sender;
    data.kind = kCommandLineKind;
    data.bytes = text::ToGbk(utf8Text);
    data.bytes.push_back('\0');
    return data;
}

std::string RecordText(const CopyData& data) {
    std::string_view bytes = data.bytes;
    return text::FromGbkLenient(bytes.substr(0, bytes.find('\0')));
}

std::string EncodeFrame(const CopyData& data) {
    std::string frame(kFrameMagic);
    PutLe(frame, static_cast<std::uint64_t>(data.sender), 8);
    PutLe(frame, data.kind, 4);
    PutLe(frame, data.id, 8);
    PutLe(frame, data.bytes.size(), 4);
    frame += data.bytes;
    return frame;
}

std::optional<CopyData> TakeFrame(std::string& buffer, FrameError& error) {
    error = FrameError::None;
    std::size_t known = std::min(buffer.size(), kFrameMagic.size());
    if (buffer.compare(0, known, kFrameMagic.substr(0, known)) != 0) {
        error = FrameError::NotAFrame;
        return std::nullopt;
    }
    if (buffer.size() < kHeaderSize) return std::nullopt;
    std::uint64_t count = GetLe(buffer, kCountAt, 4);
    if (count > kMaxCopyDataBytes) {
        error = FrameError::TooLarge;
        return std::nullopt;
    }
    if (buffer.size() < kHeaderSize + count) return std::nullopt;
    CopyData data;
    data.sender = static_cast<WindowHandle>(GetLe(buffer, kSenderAt, 8));
    data.kind = static_cast<std::uint32_t>(GetLe(buffer, kKindAt, 4));
    data.id = GetLe(buffer, kIdAt, 8);
    data.bytes = buffer.substr(kHeaderSize, count);
    buffer.erase(0, kHeaderSize + count);
    return data;
}

std::string EncodeAck(std::int32_t result) {
    std::string ack(kAckMagic);
    PutLe(ack, static_cast<std::uint32_t>(result), 4);
    return ack;
}

std::optional<std::int32_t> DecodeAck(std::string_view bytes) {
    if (bytes.size() != kAckSize || bytes.substr(0, 4) != kAckMagic) return std::nullopt;
    return static_cast<std::int32_t>(GetLe(bytes, 4, 4));
}

}  // namespace windows
