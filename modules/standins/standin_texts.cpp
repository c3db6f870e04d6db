#include "standins/standin_texts.h"

namespace standins {

std::string RebarText(const std::string& member) { return "钢筋布置模块尚未提供：将为" + member + "布置钢筋。"; }

std::string ProjectRebarText(const std::string& member, const std::string& projectPath) {
    return "钢筋设计模块尚未提供：将按项目 " + projectPath + " 的尺寸信息为" + member + "布置钢筋。";
}

std::string CalculationText(const std::string& module, const std::string& calculation) {
    return module + "尚未提供：将进行" + calculation + "。";
}

void Tell(ui::Prompter& prompt, const std::string& text) {
    prompt.message(text, ui::Buttons::Ok, ui::Icon::Information);
}

}  // namespace standins
