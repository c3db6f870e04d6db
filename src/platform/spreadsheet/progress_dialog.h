#pragma once
// The progress of a long pass over a sheet (finding, writing a file) in a dialog that shows itself only
// when the pass lasts, with a 取消 button that cancels it.
#include <QProgressDialog>

#include "platform/spreadsheet/sheet_progress.h"

namespace sheet {

class ProgressDialog {
public:
    ProgressDialog(QWidget* parent, const QString& label);
    // The callback for the pass: moves the bar (and lets the 取消 button be pressed); false once it was.
    Progress callback();

private:
    QProgressDialog dialog_;
    int shown_ = -1;  // per mille last shown: the bar moves (and events run) at most a thousand times
};

}  // namespace sheet
