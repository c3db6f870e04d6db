#pragma once
// The interaction seam: logic never opens a window itself. It asks a Prompter, reports through a Progress,
// and lets a FileChooser pick files. The application installs window implementations, the command line
// console ones, and tests scripted ones that record what the user would have seen.
#include <string>
#include <utility>
#include <vector>

namespace ui {

enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Icon { None, Information, Exclamation, Stop, Question };
enum class Answer { Ok, Cancel, Yes, No };

struct Prompter {
    virtual ~Prompter() = default;
    // Shows `text` and waits for an answer. An empty caption means the system's default caption.
    Answer message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const std::string& caption = {}) {
        return show(text, buttons, icon, caption);
    }
    // False where there is no help viewer to offer (the command line): questions about help are not asked.
    virtual bool offersHelp() const { return true; }

protected:
    // Implementations show the message their way.
    virtual Answer show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) = 0;
};

// The progress window: a title, one line of text and a bar. Every change of position lets the
// application handle pending window events, so that it stays responsive during long loops.
struct Progress {
    virtual ~Progress() = default;
    virtual void show() = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setRange(int lower, int upper) = 0;
    virtual void setStep(int step) = 0;
    virtual void setPos(int pos) = 0;
    virtual void step() = 0;
    virtual void offset(int delta) = 0;
    virtual void close() = 0;
};

// A filter is "description|pattern;pattern" pairs as the system writes them ("*.vlt|..."), kept verbatim.
struct FileRequest {
    bool save = false;
    std::string title;
    std::string defaultExtension;  // without the dot, e.g. "vlt"
    std::string fileName;          // proposed file name or path
    std::string filter;            // "桥梁CAD项目数据库文件 (*.vlt)|*.vlt||"
    bool mustExist = false;
    bool overwritePrompt = true;
};

// A file to write, with the file name proposed (overwriting an existing file is asked first), and a file
// to read.
inline FileRequest SaveFileRequest(std::string title, std::string defaultExtension, std::string filter,
                                   std::string fileName = {}) {
    FileRequest request;
    request.save = true;
    request.title = std::move(title);
    request.defaultExtension = std::move(defaultExtension);
    request.fileName = std::move(fileName);
    request.filter = std::move(filter);
    return request;
}
inline FileRequest OpenFileRequest(std::string title, std::string defaultExtension, std::string filter) {
    FileRequest request;
    request.title = std::move(title);
    request.defaultExtension = std::move(defaultExtension);
    request.filter = std::move(filter);
    return request;
}

struct FileChooser {
    virtual ~FileChooser() = default;
    // Returns the chosen path, or "" when the user cancels.
    virtual std::string choose(const FileRequest& request) = 0;
};

// The application's printer set-up (打印设置): the printer, paper and orientation that printing uses.
struct PrinterSetup {
    std::string printer;  // "" for the system's default printer
    std::string paper = "A4";
    bool landscape = false;
    bool operator==(const PrinterSetup&) const = default;
};

struct PrinterSetupChooser {
    virtual ~PrinterSetupChooser() = default;
    // Shows the printer set-up on `setup` and changes it when the user confirms; false when cancelled.
    virtual bool choose(PrinterSetup& setup) = 0;
};

struct Interaction {
    Prompter& prompt;
    Progress& progress;
};

// Default texts of the progress window.
inline const char* const kProgressDefaultTitle = "准备写入构件库的数据";
inline const char* const kProgressDefaultText = "正在准备写入构件库的数据，请稍候...";

// A progress that shows nothing (for logic run where nobody watches).
struct SilentProgress : Progress {
    void show() override {}
    void setTitle(const std::string&) override {}
    void setText(const std::string&) override {}
    void setRange(int, int) override {}
    void setStep(int) override {}
    void setPos(int) override {}
    void step() override {}
    void offset(int) override {}
    void close() override {}
};

// A file dialog opens where the user works: a request whose file name names no folder starts in the folder
// of the open project (`projectPath`, "" when none), and a save request without a name proposes the
// project's name with the request's extension. A name ending in "/" names only the folder to start in.
FileRequest InProjectFolder(FileRequest request, const std::string& projectPath);

// Splits a filter as the system writes it ("A (*.x)|*.x|B|*.y||") into (description, patterns) pairs.
std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter);

}  // namespace ui
