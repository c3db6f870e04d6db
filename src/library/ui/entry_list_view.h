#pragma once
// An entry list (a library table, an overview of tables, a choice of cross-sections) shown in a tree widget.
class QTreeWidget;

namespace library {

struct EntryList;

// Appends one row per entry to `list`, under the entries' captions at their widths; the caller has cleared it.
void ShowEntries(QTreeWidget* list, const EntryList& entries);

}  // namespace library
