#include "platform/interaction/scripted.h"

namespace ui {

Answer ScriptedPrompter::show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) {
    shown_.push_back({text, buttons, icon, caption});
    if (!answers_.empty()) {
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    if (hasDefault_) return default_;
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        default:
            return Answer::Ok;
    }
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown_) out.push_back(m.text);
    return out;
}

std::string ScriptedFileChooser::choose(const FileRequest& request) {
    requests_.push_back(request);
    if (paths_.empty()) return {};
    std::string p = paths_.front();
    paths_.pop_front();
    return p;
}

bool ScriptedPrinterSetupChooser::choose(PrinterSetup& setup) {
    shown_.push_back(setup);
    if (answers_.empty()) return false;
    std::optional<PrinterSetup> answer = answers_.front();
    answers_.pop_front();
    if (!answer) return false;
    setup = *answer;
    return true;
}

}  // namespace ui
