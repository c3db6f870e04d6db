#include "library/ui/entry_list_view.h"

#include <QTreeWidget>

#include "library/library_browse.h"

namespace library {

void ShowEntries(QTreeWidget* list, const EntryList& entries) {
    QStringList captions;
    for (const EntryColumn& column : entries.columns) captions << QString::fromStdString(column.caption);
    list->setColumnCount(captions.size());
    list->setHeaderLabels(captions);
    for (int i = 0; i < static_cast<int>(entries.columns.size()); ++i)
        list->setColumnWidth(i, entries.columns[i].width);
    // One insertion for the whole list: a large table would otherwise re-lay the view row by row.
    QList<QTreeWidgetItem*> items;
    for (const auto& row : entries.rows) {
        QStringList texts;
        for (const std::string& text : row) texts << QString::fromStdString(text);
        items << new QTreeWidgetItem(texts);
    }
    list->addTopLevelItems(items);
}

}  // namespace library
