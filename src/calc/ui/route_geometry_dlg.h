#pragma once
// The route geometry calculator "路线几何计算辅助工具": a stake and an offset in, the point's coordinates,
// deck elevation, azimuth, location, radius and cross slopes out, with a plan and a profile of the route
// around the stake. Every press of 计算 reads the project's route tables afresh.
#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "calc/route_check.h"
#include "platform/interaction/interaction.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dao {
class Database;
}

namespace calc::ui {

// The range of the stake-by-stake table as typed: stakes as numbers or "K1+190.5", step and offset in metres.
struct StakeTableRequest {
    QString from, to, step, offset;
};

class CRouteGeometryDlg : public QDialog {
    Q_OBJECT
public:
    // `project` may be null: the tool then has no route data.
    CRouteGeometryDlg(dao::Database* project, ::ui::Prompter& prompt, ::ui::FileChooser& files,
                      QWidget* parent = nullptr);

    // The edit fields by control: "stake", "offset", "x", "y", "elevation", "azimuth", "location",
    // "radius", "left", "right".
    QLineEdit* field(const std::string& name) const { return m_fields.at(name); }
    QPushButton* m_calculate;
    QPushButton* m_table;
    QLabel* m_plan;
    QLabel* m_profile;
    // Under the results: where the route tables do not make one road, one warning a line; hidden when none.
    QLabel* m_findings;
    QLabel* m_azimuthDms;  // the azimuth in degrees, minutes and seconds beside its field
    // Asks for the range of the table, starting from `request`; false when the user cancels. A small
    // window by default; tests answer for it.
    std::function<bool(StakeTableRequest& request)> m_askRange;

public slots:
    void OnCalculate();
    void OnStakeTable();

private:
    // The two inputs; false after telling the user when the stake is not one.
    bool ReadInputs(double& stake, double& offset);
    void ShowEmptySketches();
    void ShowFindings(const std::vector<RouteFinding>& findings);

    dao::Database* m_project;
    ::ui::Prompter& m_prompt;
    ::ui::FileChooser& m_files;
    std::map<std::string, QLineEdit*> m_fields;
};

}  // namespace calc::ui
