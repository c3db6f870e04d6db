#pragma once
// The 确定 / 取消 row at the foot of a dialog, in the application's language whatever Qt's translation says.
#include <functional>
#include <initializer_list>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace ui {

// Made for `dialog` and wired to its accept and reject; the caller places it in its layout.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

// The same row with 确定 wired to `onOk` instead, for a dialog that checks or writes first and then accepts
// itself (or stays open after a message).
QDialogButtonBox* OkCancelButtons(QDialog* dialog, std::function<void()> onOk);

// The whole layout of a simple dialog: the `body` widgets top to bottom, then the row above with 确定
// wired to `onOk`.
QDialogButtonBox* StackAboveOkCancel(QDialog* dialog, std::initializer_list<QWidget*> body, std::function<void()> onOk);

}  // namespace ui
