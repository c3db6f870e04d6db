#pragma once
// Moving the texts of a page's sheet into the spreadsheet control that shows it.
#include <string>

#include "platform/interaction/interaction.h"
#include "projectdb/text_sheet.h"
#include "projectdb/wizard_texts.h"

namespace sheet {
class SheetModel;
}

namespace projectdb {

// Replaces the rows of `model` with the sheet's rows, row headers and texts (one signal for the whole load).
void ShowTextSheet(sheet::SheetModel& model, const TextSheet& texts);

void ShowPageMessage(ui::Prompter& prompt, const PageMessage& message);

}  // namespace projectdb
