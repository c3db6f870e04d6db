#pragma once
// The list of drawings the drawing dialogs show: 图名 and 图形文件名, several rows selectable at once.
#include <QTreeWidget>

namespace drawing {

QTreeWidget* MakeDrawingList(QWidget* parent);

}  // namespace drawing
