#include "platform/spreadsheet/progress_dialog.h"

namespace sheet {

ProgressDialog::ProgressDialog(QWidget* parent, const QString& label)
    : dialog_(label, QStringLiteral("取消"), 0, 1000, parent) {
    dialog_.setWindowTitle(QStringLiteral("请稍候"));
    dialog_.setWindowModality(Qt::WindowModal);  // the grid is not edited while it is being read
    dialog_.setMinimumDuration(500);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    // Starts the dialog's clock: it shows itself once the pass looks like lasting longer than the minimum,
    // and a short pass never shows it (nor runs events in the middle of the pass).
    dialog_.setValue(0);
    shown_ = 0;
}

Progress ProgressDialog::callback() {
    return [this](std::int64_t done, std::int64_t total) {
        const int perMille = total > 0 ? static_cast<int>(done * 1000 / total) : 0;
        if (perMille != shown_) {
            shown_ = perMille;
            dialog_.setValue(perMille);  // a modal dialog runs the events here, the 取消 click among them
        }
        return !dialog_.wasCanceled();
    };
}

}  // namespace sheet
