#include "platform/interaction/console.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace ui {

Answer ConsolePrompter::show(const std::string& text, Buttons buttons, Icon, const std::string&) {
    std::cerr << text << std::endl;
    bool question = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    if (!question) return buttons == Buttons::OkCancel && answerYes_ == false ? Answer::Cancel : Answer::Ok;
    if (answerYes_) return *answerYes_ ? Answer::Yes : Answer::No;
    if (isatty(STDIN_FILENO)) {
        std::cerr << "[y/n] " << std::flush;
        std::string line;
        if (std::getline(std::cin, line) && !line.empty() && (line[0] == 'y' || line[0] == 'Y')) return Answer::Yes;
        return Answer::No;
    }
    return Answer::No;
}

}  // namespace ui
