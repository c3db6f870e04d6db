#include "platform/interaction/qt_interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QProgressBar>
#include <QVBoxLayout>

#include "platform/interaction/on_screen.h"

namespace ui {
namespace {

// A question answered only by 是 or 否: Qt would take Esc and the title bar's close button for 否, and an
// Esc meant to step back from "save changes?" would throw the edits away. Without a 取消 button, neither
// dismisses the box.
class MessageBox : public QMessageBox {
public:
    MessageBox(QWidget* parent, bool answerRequired) : QMessageBox(parent), answerRequired_(answerRequired) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (answerRequired_ && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (answerRequired_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
    void reject() override {
        if (!answerRequired_) QMessageBox::reject();
    }

private:
    bool answerRequired_;
};

}  // namespace

Answer QtPrompter::show(const std::string& text, Buttons buttons, Icon icon, const std::string& caption) {
    MessageBox box(parent_ ? parent_.data() : QApplication::activeWindow(), buttons == Buttons::YesNo);
    box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Icon::Stop: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::None: break;
    }
    QMessageBox::StandardButtons set;
    switch (buttons) {
        case Buttons::Ok: set = QMessageBox::Ok; break;
        case Buttons::OkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; break;
        case Buttons::YesNo: set = QMessageBox::Yes | QMessageBox::No; break;
        case Buttons::YesNoCancel: set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(set);
    // A box sized for a short text would cut a long title off in its title bar.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle(), box.font()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (auto* b = box.button(QMessageBox::Ok)) b->setText("确定");
    if (auto* b = box.button(QMessageBox::Cancel)) b->setText("取消");
    if (auto* b = box.button(QMessageBox::Yes)) b->setText("是(&Y)");
    if (auto* b = box.button(QMessageBox::No)) b->setText("否(&N)");
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::Ok ? Answer::Ok : (set & QMessageBox::Cancel ? Answer::Cancel : Answer::Ok);
    }
}

QtProgress::QtProgress(QWidget* owner) : owner_(owner) {
    dialog_ = new QDialog(owner, Qt::Dialog | Qt::WindowTitleHint);
    dialog_->setWindowTitle(kProgressDefaultTitle);
    dialog_->setModal(false);
    auto* layout = new QVBoxLayout(dialog_);
    label_ = new QLabel(kProgressDefaultText, dialog_);
    bar_ = new QProgressBar(dialog_);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setMinimumWidth(320);
    layout->addWidget(label_);
    layout->addWidget(bar_);
}

QtProgress::~QtProgress() {
    close();
    delete dialog_;
}

void QtProgress::show() {
    if (owner_) owner_->setEnabled(false);
    dialog_->setEnabled(true);
    dialog_->show();
    pump();
}

void QtProgress::setTitle(const std::string& title) { dialog_->setWindowTitle(QString::fromStdString(title)); }
void QtProgress::setText(const std::string& text) { label_->setText(QString::fromStdString(text)); }
void QtProgress::setRange(int lower, int upper) { bar_->setRange(lower, upper); }
void QtProgress::setStep(int step) { step_ = step; }

void QtProgress::setPos(int pos) {
    pump();
    bar_->setValue(pos);
}

void QtProgress::step() {
    // The bar wraps to its lower end when a step passes the upper end, as a progress control does.
    int next = bar_->value() + step_;
    if (next > bar_->maximum()) next = bar_->minimum() + (next - bar_->maximum());
    setPos(next);
}

void QtProgress::offset(int delta) { setPos(bar_->value() + delta); }

void QtProgress::close() {
    if (!dialog_->isVisible()) return;
    dialog_->hide();
    if (owner_) owner_->setEnabled(true);
}

void QtProgress::pump() { QApplication::processEvents(); }

QStringList NameFiltersOf(const std::string& filter) {
    QStringList out;
    for (const auto& [description, patterns] : ParseFilter(filter)) {
        QString p = QString::fromStdString(patterns);
        p.replace(';', ' ');
        out << QString::fromStdString(description).section('(', 0, 0).trimmed() + " (" + p + ")";
    }
    return out;
}

std::string QtFileChooser::choose(const FileRequest& asked) {
    const FileRequest request = InProjectFolder(asked, projectPath_ ? projectPath_() : std::string());
    QFileDialog dialog(parent_ ? parent_.data() : QApplication::activeWindow(), QString::fromStdString(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : (request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    QStringList filters = NameFiltersOf(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    // *.vlt and *.VLT both show: Qt's non-native dialog matches name filters without regard to case.
    if (request.fileName.ends_with('/'))
        dialog.setDirectory(QString::fromStdString(request.fileName));
    else if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace ui
