#include "drawing/ui/drawing_list.h"

#include <QHeaderView>

namespace drawing {

QTreeWidget* MakeDrawingList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(2);
    list->setHeaderLabels({"图名", "图形文件名"});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    return list;
}

}  // namespace drawing
