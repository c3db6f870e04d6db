#pragma once
// What the windows of the new-project wizard and of the central-table dialogs need from the application:
// message boxes, file dialogs and the member-type selection dialogs that a double-click opens.
#include <functional>
#include <optional>
#include <string>

#include "platform/interaction/interaction.h"
#include "projectdb/drawing_page.h"
#include "projectdb/member_types.h"
#include "projectdb/span_page.h"

class QWidget;

namespace projectdb {

// The selection dialog a double-click on a grid cell opens (MemberChoice, with the selection lists).
MemberChoice ToMemberChoice(MemberKind kind);
MemberChoice ToMemberChoice(DrawingChoice choice);

// Opens the selection dialog for `choice` with the cell's text and returns the chosen name, nullopt when
// the user cancelled.
using MemberTypeChooser =
    std::function<std::optional<std::string>(MemberChoice, const std::string& current, QWidget* parent)>;

struct PageServices {
    ui::Prompter& prompt;
    ui::FileChooser& files;
    MemberTypeChooser chooseType;  // empty: a double-click opens nothing
};

}  // namespace projectdb
