#include "drawing/acad_session.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <random>

#include "platform/registry/registry.h"

namespace drawing {
namespace {

constexpr const char* kLoadedSection = "Loaded ARX Application";
constexpr const char* kLoadedValue = "AppName";

std::string AsciiUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
    });
    return text;
}

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return text;
}

void ForgetLoadedExtension() { registry::WriteSetting(kLoadedSection, kLoadedValue, ""); }

// Ids unique across the shells a host outlives: a random start, then counted up.
std::uint64_t NewCommandId() {
    static std::atomic<std::uint64_t> next{[] {
        std::random_device random;
        return (std::uint64_t(random()) << 32) ^ random();
    }()};
    std::uint64_t id;
    while ((id = next++) == 0) {
    }
    return id;
}

}  // namespace

std::string ArxLoadCommand(const std::string& fileName) {
    std::string command = "(arxload \"" + fileName + "\") ";
    std::replace(command.begin(), command.end(), '\\', '/');
    return command;
}

bool AcadSession::FindAcadWindow(std::intptr_t& window) {
    try {
        for (const TopLevelWindow& w : m_windows->TopLevelWindows()) {
            if (IsAcadMainTitle(w.title)) {
                window = w.handle;
                return true;
            }
        }
    } catch (const std::runtime_error& e) {
        // The windows could not be looked at: the user learns why, and no host is known.
        m_prompter.message(e.what(), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
    window = 0;
    ForgetLoadedExtension();
    return false;
}

std::intptr_t AcadSession::LookForAcadWindow() {
    try {
        for (const TopLevelWindow& w : m_windows->TopLevelWindows())
            if (IsAcadMainTitle(w.title)) return w.handle;
    } catch (const std::runtime_error&) {
        // Said by the next search that a command makes.
    }
    return 0;
}

std::uint64_t AcadSession::CommandId(std::intptr_t to, const std::string& text) {
    if (to != m_unconfirmedWindow) {
        // Another host never saw the earlier sendings.
        m_unconfirmed.clear();
        m_unconfirmedWindow = to;
    }
    auto it = m_unconfirmed.find(text);
    return it != m_unconfirmed.end() ? it->second : NewCommandId();
}

bool AcadSession::SendCommandLine(const std::string& text) {
    std::intptr_t to = AcadWindow();
    // The host's own handle goes as the sender, as the host has always been told.
    windows::CopyData record = windows::CommandLineRecord(text, to);
    record.id = CommandId(to, text);
    windows::SendOutcome sent = m_windows->SendCopyData(to, record);
    if (sent.result == windows::SendResult::Unconfirmed) {
        m_unconfirmed[text] = record.id;
        m_prompter.message("AutoCAD没有及时确认命令“" + text + "”，它可能稍后执行。\n再次发送该命令不会使它执行两次。",
                           ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    m_unconfirmed.erase(text);
    switch (sent.result) {
        case windows::SendResult::Delivered:
            if (sent.answer > 0) return true;
            m_prompter.message(sent.answer == windows::kAnswerTooLarge
                                   ? "命令行过长，AutoCAD没有接受，命令未能送达。"
                                   : "AutoCAD没有接受命令“" + text + "”，命令未能送达。",
                               ui::Buttons::Ok, ui::Icon::Exclamation);
            return false;
        case windows::SendResult::NoWindow:
            m_prompter.message("AutoCAD已经关闭，命令“" + text + "”未能送达。", ui::Buttons::Ok, ui::Icon::Exclamation);
            return false;
        case windows::SendResult::Timeout:
            m_prompter.message("AutoCAD没有响应，命令“" + text + "”未能送达。", ui::Buttons::Ok, ui::Icon::Exclamation);
            return false;
        case windows::SendResult::Unconfirmed:
        case windows::SendResult::Failed: break;
    }
    m_prompter.message("无法向AutoCAD发送命令“" + text + "”。", ui::Buttons::Ok, ui::Icon::Exclamation);
    return false;
}

bool AcadSession::ArxLoad(const std::string& fileName) {
    if (!FindAcadWindow(AcadWindow())) return false;
    return SendCommandLine(ArxLoadCommand(fileName));
}

bool AcadSession::SendAcadCommand(const std::string& command) {
    if (!FindAcadWindow(AcadWindow())) {
        m_prompter.message(kNoAcadMessage);
        return false;
    }
    std::string upper = AsciiUpper(command);
    if (upper.find("QUIT") == std::string::npos) {
        std::string loaded;
        try {
            loaded = registry::ReadSetting(kLoadedSection, kLoadedValue);
        } catch (const registry::SettingsError& e) {
            m_prompter.message(e.what(), ui::Buttons::Ok, ui::Icon::Exclamation);
            return false;
        }
        if (AsciiLower(loaded).find(AsciiLower(kMainExtension)) == std::string::npos && !ArxLoad(kMainExtension))
            return false;
    }
    return SendCommandLine(upper);
}

bool AcadSession::SwitchToDrawing(bool hostHasProject) {
    if (!ArxLoad(kPlanExtension)) return false;
    if (!SendAcadCommand("VltIn ")) return false;
    if (!hostHasProject) return false;
    return m_prompter.message(kSwitchQuestion, ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes;
}

bool HandleQuitNotice(const windows::CopyData& data) {
    if (windows::RecordText(data) != kQuitNotice) return false;
    AcadWindow() = 0;
    ForgetLoadedExtension();
    return true;
}

}  // namespace drawing
