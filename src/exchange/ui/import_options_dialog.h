#pragma once
// The import options dialog "导入选项": ten check boxes, enabled and checked by the import mode. The choice
// is read with choices() after the dialog ended with OK.
#include <QDialog>
#include <array>
#include <string>

#include "exchange/import_options.h"

class QCheckBox;

class CImportOptionsDlg : public QDialog {
    Q_OBJECT
public:
    CImportOptionsDlg(exchange::ImportMode mode, std::string sourcePath, QWidget* parent = nullptr);

    exchange::ImportChoices choices() const { return m_state.choices(m_strSourcePath); }
    QCheckBox* box(exchange::ImportBox b) const { return m_boxes[static_cast<int>(b)]; }

private:
    void onClicked(exchange::ImportBox b, bool checked);
    void showState();

    exchange::ImportOptionsState m_state;
    std::string m_strSourcePath;
    std::array<QCheckBox*, exchange::kImportBoxCount> m_boxes{};
};
