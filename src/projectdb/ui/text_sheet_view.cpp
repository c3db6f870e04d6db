#include "projectdb/ui/text_sheet_view.h"

#include "platform/spreadsheet/sheet_model.h"

namespace projectdb {

void ShowTextSheet(sheet::SheetModel& model, const TextSheet& texts) {
    model.beginLoad();
    model.setRowCount(texts.rows());
    for (int r = 0; r < texts.rows(); ++r) {
        model.setRowHeaderText(r + 1, QString::fromStdString(texts.header(r)));
        for (int c = 0; c < texts.columns(); ++c) model.setTextUtf8(r + 1, c + 1, texts.cell(r, c));
    }
    model.endLoad();
}

void ShowPageMessage(ui::Prompter& prompt, const PageMessage& message) {
    prompt.message(message.text, ui::Buttons::Ok, message.icon, message.caption);
}

}  // namespace projectdb
