#include "app/shell_texts.h"

#include "projectdb/project_file.h"

namespace app {
namespace {

ui::FileRequest ProjectFileRequest(const char* title, bool save) {
    ui::FileRequest request;
    request.save = save;
    request.title = title;
    request.defaultExtension = projectdb::kProjectExtension;
    request.filter = projectdb::kProjectFilter;
    request.mustExist = !save;
    return request;
}

}  // namespace

ui::FileRequest OpenProjectRequest() { return ProjectFileRequest("打开项目文件", false); }
ui::FileRequest SaveProjectAsRequest() { return ProjectFileRequest("保存项目文件", true); }

ui::FileRequest StartDialogRequest(bool import) {
    ui::FileRequest request = ProjectFileRequest(import ? "导入项目文件" : "打开项目文件", false);
    request.filter = "桥梁CAD项目文件 (*.vlt)|*.vlt||";
    return request;
}

std::string MainCaption(const std::string& projectPath) {
    return projectPath.empty() ? kAppTitle : std::string(kAppTitle) + " - [" + projectPath + "]";
}

}  // namespace app
