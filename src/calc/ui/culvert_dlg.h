#pragma once
// The culvert tool "盖板、圆管涵洞立面实用计算工具": the embankment over the culvert, the culvert's
// length and slope, the optional second slope stage, and the elevations and lengths it finds.
#include <QDialog>
#include <map>
#include <string>

#include "calc/culvert.h"
#include "platform/interaction/interaction.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace calc::ui {

class CCulvertDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCulvertDlg(::ui::Prompter& prompt, QWidget* parent = nullptr);

    QLineEdit* field(const std::string& name) const { return m_fields.at(name); }
    CulvertValues values() const;
    bool twoStage() const;

    QCheckBox* m_checkTwoStage;
    QLabel* m_picture;

public slots:
    void OnCalculate();
    void OnTwoStage();

private:
    void ShowValues(const CulvertValues& values);

    ::ui::Prompter& m_prompt;
    std::map<std::string, QLineEdit*> m_fields;
};

// The cross-section picture for the one-stage or the two-stage embankment, 636 x 245.
QPixmap CulvertPicture(bool twoStage);

}  // namespace calc::ui
