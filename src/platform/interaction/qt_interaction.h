#pragma once
// Window implementations of the interaction seam.
#include <QPointer>
#include <functional>
#include <QWidget>

#include "platform/interaction/interaction.h"

class QLabel;
class QProgressBar;
class QDialog;

namespace ui {

// Message boxes. Without a caption the application's name is the caption, as the system's default.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
protected:
    Answer show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) override;

public:

private:
    QPointer<QWidget> parent_;
};

// The modeless progress window: title, one line of text, a bar. While shown it disables its owner; every
// change of position first lets pending window events run.
class QtProgress : public Progress {
public:
    explicit QtProgress(QWidget* owner = nullptr);
    ~QtProgress() override;
    void show() override;
    void setTitle(const std::string& title) override;
    void setText(const std::string& text) override;
    void setRange(int lower, int upper) override;
    void setStep(int step) override;
    void setPos(int pos) override;
    void step() override;
    void offset(int delta) override;
    void close() override;

    QDialog* dialog() const { return dialog_; }

private:
    void pump();
    QPointer<QWidget> owner_;
    QDialog* dialog_;
    QLabel* label_;
    QProgressBar* bar_;
    int step_ = 10;
};

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::string choose(const FileRequest& request) override;
    // Where the open project lives ("" when none): dialogs start in its folder (InProjectFolder).
    void setProjectPath(std::function<std::string()> projectPath) { projectPath_ = std::move(projectPath); }

private:
    QPointer<QWidget> parent_;
    std::function<std::string()> projectPath_;
};

// Qt name filters from a filter as the system writes it; patterns are matched without regard to case.
QStringList NameFiltersOf(const std::string& filter);

}  // namespace ui
