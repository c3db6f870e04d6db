#include "exchange/project_import.h"

#include <memory>
#include <sstream>

#include "platform/dao/new_database_file.h"
#include "projectdb/drawing_file_name.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace exchange {

const std::vector<std::string>& TablesOfBox(ImportBox box) {
    static const std::vector<std::vector<std::string>> groups{
        {"一般信息表"},
        {"桥孔划分信息表", "上构布置信息表", "上构布置明细表", "下构布置信息表", "伸缩缝信息表"},
        {"图形布置信息表"},
        {"地形资料表"},
        {"平曲线资料表"},
        {"竖曲线资料表", "路基设计表"},
        {"空心板布置信息表", "边板尺寸信息表", "中板尺寸信息表", "T梁布置信息表", "边梁尺寸信息表", "中梁尺寸信息表",
         "单箱单室箱梁横断面信息表", "单箱多室箱梁横断面信息表", "多箱单室箱梁横断面信息表",
         "简支等截面箱梁立面、平面信息表", "简支变截面箱梁立面、平面信息表", "连续等截面箱梁立面、平面信息表",
         "连续变截面箱梁立面、平面信息表"},
        {"①类帽梁信息表",
         "②类帽梁信息表",
         "③类帽梁信息表",
         "桩柱式、肋板式桥台帽梁信息表",
         "重力式U型桥台帽梁信息表",
         "圆形截面柱式墩身信息表",
         "矩形截面柱式墩身信息表",
         "尖端形截面实体式墩身信息表",
         "圆端形截面实体式墩身信息表",
         "矩形截面实体式墩身信息表",
         "矩形截面薄壁式墩身信息表",
         "肋板式台身信息表",
         "U台台身信息表",
         "①类承台信息表",
         "②类承台信息表",
         "桩帽信息表",
         "系梁信息表",
         "单排桩基础信息表",
         "多排桩基础信息表",
         "梅花形桩基础信息表",
         "台阶状扩大基础信息表",
         "梯形扩大基础信息表",
         "重力式U台台阶状基础信息表",
         "重力式U台趾板式基础信息表",
         "沉井基础信息表",
         "挡块信息表"},
        {"桥面铺装信息表", "防撞护栏信息表", "人行道及栏杆信息表", "桥头搭板信息表", "排水系统信息表", "照明系统信息表",
         "被交道路信息表", "锥坡信息表", "挡墙信息表"},
        {},
    };
    return groups.at(static_cast<int>(box));
}

const std::vector<ImportBox>& ReferenceProjectBoxes() {
    static const std::vector<ImportBox> boxes{ImportBox::GroundLine,    ImportBox::HorizontalCurve,
                                              ImportBox::VerticalCurve, ImportBox::Superstructure,
                                              ImportBox::Substructure,  ImportBox::Auxiliary};
    return boxes;
}

const std::vector<ImportBox>& TableGroupBoxes() {
    static const std::vector<ImportBox> boxes{
        ImportBox::GeneralInfo,    ImportBox::SpanInfo,        ImportBox::DrawingInfo,
        ImportBox::GroundLine,     ImportBox::HorizontalCurve, ImportBox::VerticalCurve,
        ImportBox::Superstructure, ImportBox::Substructure,    ImportBox::Auxiliary};
    return boxes;
}

bool ParseImportBoxes(const std::string& list, const std::vector<ImportBox>& allowed, ImportChoices& choices) {
    choices.checked.fill(false);
    std::stringstream words(list);
    std::string word;
    bool any = false;
    while (std::getline(words, word, ',')) {
        bool known = false;
        for (ImportBox box : allowed)
            if (word == InfoOf(box).text) {
                choices.checked[static_cast<int>(box)] = true;
                known = true;
            }
        if (!known) return false;
        any = true;
    }
    return any;
}

namespace {

void StartProgress(ui::Progress& progress, int upper) {
    progress.setTitle(kImportProgressTitle);
    progress.setText(kImportProgressText);
    progress.setStep(1);
    progress.setPos(0);
    progress.setRange(0, upper);
    progress.show();
}

int CheckedCount(const ImportChoices& choices, const std::vector<ImportBox>& boxes) {
    int count = 0;
    for (ImportBox box : boxes) count += choices.has(box) ? 1 : 0;
    return count;
}

bool SourceHas(dao::Database& source, const std::string& table) {
    try {
        return source.HasTableDef(table);
    } catch (const dao::DaoException&) {
        return false;
    }
}

// Copies the tables of the checked boxes among `boxes`; returns those the source held.
std::vector<std::string> CopyGroups(dao::Database& source, dao::Database& target, const ImportChoices& choices,
                                    const std::vector<ImportBox>& boxes, ui::Progress& progress) {
    std::vector<std::string> copied;
    std::size_t done = 0;
    for (ImportBox box : boxes) {
        if (!choices.has(box)) continue;
        for (const std::string& table : TablesOfBox(box)) {
            if (SourceHas(source, table)) copied.push_back(table);
            projectdb::CopyTable(source, target, table, true);
            projectdb::KillHereIfTestAsks(++done);
            progress.step();
        }
    }
    return copied;
}

std::unique_ptr<dao::Database> OpenSource(const std::string& path, ui::Prompter& prompt) {
    try {
        return dao::Database::Open(path);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return nullptr;
    }
}

}  // namespace

std::optional<std::vector<std::string>> ImportReferenceProject(dao::Database& target, const ImportChoices& choices,
                                                               ui::Interaction& ui) {
    // The open project as its own reference changes nothing; copying it onto itself would drop each table
    // before reading it.
    if (projectdb::IsSameFile(choices.sourcePath, target.GetName())) return std::vector<std::string>{};
    StartProgress(ui.progress, CheckedCount(choices, ReferenceProjectBoxes()));
    std::unique_ptr<dao::Database> source = OpenSource(choices.sourcePath, ui.prompt);
    if (!source) {
        ui.progress.close();
        return std::nullopt;
    }
    // One transaction for all the tables: the project shows the old tables or all the new ones, never a
    // mix, also to a reader while the import runs and after a crash. A project that cannot be written (read
    // only, held by another program) is told here, before any table.
    std::vector<std::string> copied;
    try {
        dao::Transaction transaction(target);
        copied = CopyGroups(*source, target, choices, ReferenceProjectBoxes(), ui.progress);
        transaction.Commit();
    } catch (const dao::DaoException& e) {
        ui.progress.close();
        projectdb::ReportDaoError(e, ui.prompt);
        return std::nullopt;
    }
    ui.progress.close();
    return copied;
}

ui::FileRequest NewProjectSaveRequest() {
    return ui::SaveFileRequest("保存项目文件", "VLT", "桥梁CAD项目文件 (*.VLT)|*.VLT|所有文件 (*.*)|*.*||");
}

NewProjectResult ImportNewProject(ImportChoices choices, ui::FileChooser& files, ui::Interaction& ui,
                                  const NewProjectSteps& steps) {
    NewProjectResult result;
    const ImportBox general[] = {ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo};
    bool allGeneral = true;
    for (ImportBox box : general) allGeneral = allGeneral && choices.has(box);
    if (!allGeneral && ui.prompt.message(kAskImportGeneral, ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes)
        for (ImportBox box : general) choices.checked[static_cast<int>(box)] = true;

    std::unique_ptr<dao::Database> source = OpenSource(choices.sourcePath, ui.prompt);
    bool copiesDrawingList = choices.has(ImportBox::DrawingInfo) || choices.has(ImportBox::All);
    if (!source || (copiesDrawingList && projectdb::RefuseForeignDrawingList(*source, ui.prompt))) {
        result.outcome = NewProjectOutcome::SourceFailed;
        return result;
    }
    result.path = files.choose(NewProjectSaveRequest());
    if (result.path.empty()) return result;
    // The new file replaces what is at its path: never the project it is made from.
    if (projectdb::IsSameFile(result.path, choices.sourcePath)) {
        ui.prompt.message(kSourceAsTarget, ui::Buttons::Ok, ui::Icon::Exclamation);
        result.outcome = NewProjectOutcome::CreateFailed;
        return result;
    }
    if (steps.closeProject && !steps.closeProject()) {
        result.outcome = NewProjectOutcome::CloseRefused;
        return result;
    }

    // The new project is built beside its path and replaces what is there only once every table is in it.
    try {
        dao::NewDatabaseFile target(result.path, "项目文件");
        if (choices.has(ImportBox::All)) {
            std::vector<dao::TableDefInfo> sourceTables = source->GetTableDefs();
            StartProgress(ui.progress, static_cast<int>(sourceTables.size()));
            std::size_t done = 0;
            for (const dao::TableDefInfo& table : sourceTables) {
                if (!table.isSystem()) {
                    projectdb::CopyTable(*source, target.db(), table.m_strName, true);
                    result.tables.push_back(table.m_strName);
                    projectdb::KillHereIfTestAsks(++done);
                }
                ui.progress.step();
            }
        } else {
            StartProgress(ui.progress, CheckedCount(choices, TableGroupBoxes()));
            result.tables = CopyGroups(*source, target.db(), choices, TableGroupBoxes(), ui.progress);
        }
        target.Commit();
    } catch (const dao::DaoException& e) {
        ui.progress.close();
        projectdb::ReportDaoError(e, ui.prompt);
        result.tables.clear();
        result.outcome = NewProjectOutcome::CreateFailed;
        return result;
    }
    ui.progress.close();
    source->Close();

    bool opened = !steps.openProject || steps.openProject(result.path);
    result.outcome = opened ? NewProjectOutcome::Opened : NewProjectOutcome::OpenFailed;
    return result;
}

}  // namespace exchange
