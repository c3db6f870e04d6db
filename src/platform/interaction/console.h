#pragma once
// Interaction for the command line: messages go to standard error exactly as a window would show them;
// questions are answered by --yes/--no, or asked on the terminal when standard input is one and no
// answer was given.
#include <optional>

#include "platform/interaction/interaction.h"

namespace ui {

class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(std::optional<bool> answerYes = std::nullopt) : answerYes_(answerYes) {}
    bool offersHelp() const override { return false; }
protected:
    Answer show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) override;

public:

private:
    std::optional<bool> answerYes_;
};

class ConsoleFileChooser : public FileChooser {
public:
    // The command line names its files up front; a chooser that is asked anyway cancels.
    std::string choose(const FileRequest&) override { return {}; }
};

struct ConsoleInteraction {
    explicit ConsoleInteraction(std::optional<bool> answerYes = std::nullopt) : prompter(answerYes) {}
    ConsolePrompter prompter;
    SilentProgress progress;
    Interaction interaction() { return Interaction{prompter, progress}; }
};

}  // namespace ui
