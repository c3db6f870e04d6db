#pragma once
// One command as one readable row of the command table:
//
//     Row("bridge-check", 33600, "检查(&K)...", "检查路线、地面线、桥跨与墩台是否一致，列出发现的问题")
//         .When(Availability::WithProject)
//         .Menu(kProjectBar, "项目(&P)", Separated)
//
// The key names the command everywhere else: the main window binds its handler by it. A design command
// names its module entry, and needs no handler of its own:
//
//     Row("design-slab", 32803, "简支空心板", "设计装配式简支空心板").When(Availability::WithProject)
//         .Menu(kProjectBar, "结构信息(&T) > 上部构造").Refreshes({3}).Design("Girder.dll", "DesignSlab")
#include <utility>

#include "app/command_table.h"

namespace app {

inline constexpr bool Separated = true;

class Row {
public:
    Row(std::string key, int id, std::string menuText, std::string statusText) {
        m_spec.key = std::move(key);
        m_spec.id = id;
        m_spec.menuText = std::move(menuText);
        m_spec.statusText = std::move(statusText);
        m_spec.availability = Availability::NotYetBuilt;
    }

    Row&& When(Availability availability) && {
        m_spec.availability = availability;
        return std::move(*this);
    }
    Row&& Key(std::string shortcut) && {
        m_spec.shortcut = std::move(shortcut);
        return std::move(*this);
    }
    Row&& Tip(std::string toolTip) && {
        m_spec.toolTip = std::move(toolTip);
        return std::move(*this);
    }
    Row&& Checkable() && {
        m_spec.checkable = true;
        return std::move(*this);
    }
    Row&& Refreshes(std::vector<int> categories) && {
        m_spec.refreshCategories = std::move(categories);
        return std::move(*this);
    }
    Row&& OnlyIf(std::function<bool(dao::Database&)> condition) && {
        m_spec.condition = std::move(condition);
        return std::move(*this);
    }
    Row&& Menu(unsigned bars, std::string path, bool separatorBefore = false) && {
        m_spec.menus.push_back(MenuPlace{bars, std::move(path), separatorBefore});
        return std::move(*this);
    }
    Row&& Toolbar(int group, std::string icon) && {
        m_spec.toolbar = ToolbarPlace{group, std::move(icon)};
        return std::move(*this);
    }
    // The module entry a design command calls; a module loaded for this call only is `onDemand`.
    Row&& Design(std::string module, std::string entry, EntryKind kind = EntryKind::Database, bool onDemand = false) && {
        DesignCall call;
        call.commandId = m_spec.id;
        call.module = std::move(module);
        call.entry = std::move(entry);
        call.kind = kind;
        call.onDemand = onDemand;
        m_spec.design = std::move(call);
        return std::move(*this);
    }
    Row&& OnDemand(std::string module, std::string entry, EntryKind kind) && {
        return std::move(*this).Design(std::move(module), std::move(entry), kind, true);
    }
    // Asked before the call when none of `tables` exists (Yes goes on).
    Row&& AskUnless(std::vector<std::string> tables, std::string question) && {
        m_spec.design->memberTables = std::move(tables);
        m_spec.design->question = std::move(question);
        return std::move(*this);
    }
    // The rebar commands' question: "尚未建立<member>尺寸信息，…继续进行<member>钢筋布置吗？"
    Row&& AskUnlessMember(std::vector<std::string> tables, const std::string& member) && {
        return std::move(*this).AskUnless(std::move(tables), "尚未建立" + member + "尺寸信息，或本项目不含" + member +
                                                                 "构造。\n继续进行" + member + "钢筋布置吗？");
    }
    Row&& ReportsLoadError() && {
        m_spec.design->reportsLoadError = true;
        return std::move(*this);
    }
    Row&& NeedsTBeamLayout() && {
        m_spec.design->needsTBeamLayout = true;
        return std::move(*this);
    }

    operator CommandSpec() && { return std::move(m_spec); }

private:
    CommandSpec m_spec;
};

}  // namespace app
