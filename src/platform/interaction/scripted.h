#pragma once
// Scripted interaction for tests: records every message shown and answers from a queue.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/interaction/interaction.h"

namespace ui {

struct ShownMessage {
    std::string text;
    Buttons buttons;
    Icon icon;
    std::string caption;
};

class ScriptedPrompter : public Prompter {
public:
    // Answers to give, in order. When the queue is empty, a question is answered with its first button
    // (Ok or Yes) unless a default answer was set.
    void queue(Answer answer) { answers_.push_back(answer); }
    void setDefault(Answer answer) { default_ = answer; hasDefault_ = true; }
protected:
    Answer show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) override;

public:

    const std::vector<ShownMessage>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }

private:
    std::deque<Answer> answers_;
    std::vector<ShownMessage> shown_;
    Answer default_ = Answer::Ok;
    bool hasDefault_ = false;
};

// Records the calls a progress window received.
class RecordingProgress : public Progress {
public:
    void show() override { shown = true; ++shows; }
    void setTitle(const std::string& t) override { title = t; }
    void setText(const std::string& t) override { text = t; }
    void setRange(int lo, int hi) override { lower = lo; upper = hi; }
    void setStep(int s) override { stepSize = s; }
    void setPos(int p) override { pos = p; }
    void step() override { pos += stepSize; }
    void offset(int d) override { pos += d; }
    void close() override { shown = false; ++closes; }

    bool shown = false;
    int shows = 0, closes = 0;
    std::string title = kProgressDefaultTitle, text = kProgressDefaultText;
    int lower = 0, upper = 100, stepSize = 10, pos = 0;
};

class ScriptedFileChooser : public FileChooser {
public:
    void queue(std::string path) { paths_.push_back(std::move(path)); }
    std::string choose(const FileRequest& request) override;
    const std::vector<FileRequest>& requests() const { return requests_; }

private:
    std::deque<std::string> paths_;
    std::vector<FileRequest> requests_;
};

// Answers the printer set-up from a queue: a set-up to confirm, or nothing for Cancel (also when empty).
class ScriptedPrinterSetupChooser : public PrinterSetupChooser {
public:
    void queue(std::optional<PrinterSetup> answer) { answers_.push_back(std::move(answer)); }
    bool choose(PrinterSetup& setup) override;
    // The set-ups the dialog was shown with.
    const std::vector<PrinterSetup>& shown() const { return shown_; }

private:
    std::deque<std::optional<PrinterSetup>> answers_;
    std::vector<PrinterSetup> shown_;
};

// Everything a test needs in one object.
struct ScriptedInteraction {
    ScriptedPrompter prompter;
    RecordingProgress progress;
    ScriptedFileChooser files;
    Interaction interaction() { return Interaction{prompter, progress}; }
};

}  // namespace ui
