#pragma once
// The dialog "警告" that asks for a new table name when the target database already has the table.
#include <optional>
#include <string>

class QWidget;

namespace browse {

// Shows the dialog with `clashingName` proposed; returns the name typed, or none for 取消.
std::optional<std::string> AskNewTableName(QWidget* parent, const std::string& clashingName);

}  // namespace browse
