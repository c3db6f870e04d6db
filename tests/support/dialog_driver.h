#pragma once
// Answers the modal dialogs a command opens, one step per dialog, in the order they open. Header only: only
// the window tests link Qt.
#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace testing_support {

class DialogDriver : public QObject {
public:
    void then(std::function<void(QWidget*)> step) {
        steps_.push_back(std::move(step));
        if (steps_.size() == 1) arm();
    }
    bool done() const { return steps_.empty(); }

private:
    // Looks again from the event loop until a new modal dialog is up; a step runs once per dialog.
    void arm() {
        QTimer::singleShot(0, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != last_) {
                last_ = modal;
                auto step = std::move(steps_.front());
                steps_.pop_front();
                step(modal);
            }
            if (!steps_.empty()) arm();
        });
    }
    std::deque<std::function<void(QWidget*)>> steps_;
    QPointer<QWidget> last_;
};

}  // namespace testing_support
