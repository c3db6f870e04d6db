#pragma once
// The 确定 / 取消 row at the foot of a dialog, in the application's language whatever Qt's translation says.
class QDialog;
class QDialogButtonBox;

namespace ui {

// Made for `dialog` and wired to its accept and reject; the caller places it in its layout.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace ui
