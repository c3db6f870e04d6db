#pragma once
// The central-table dialogs (一般信息, 桥跨信息, 绘图信息) run one way: read their page from the project, edit
// it in the wizard's page above 确定 / 取消, write it on 确定.
#include <QDialog>
#include <optional>
#include <utility>

#include "platform/dao/dao_exception.h"
#include "platform/dao/database.h"
#include "projectdb/record_access.h"
#include "projectdb/ui/page_services.h"

namespace projectdb {

// What each of them holds: the project, the page it edits (its own copy), the services, and the page's
// window, which the dialog makes and lays out above its buttons.
template <class Page, class View>
class CPageDlg : public QDialog {
public:
    Page& page() { return m_page; }
    View* PageView() const { return m_pView; }

protected:
    CPageDlg(dao::Database& db, Page page, PageServices services, QWidget* parent)
        : QDialog(parent), m_db(db), m_page(std::move(page)), m_services(std::move(services)) {}

    dao::Database& m_db;
    Page m_page;
    PageServices m_services;
    View* m_pView = nullptr;
};

// Reads the page with `read(db)` and runs a `Dialog` over it; true when 确定 wrote it. A read error is shown
// and nothing opens.
template <class Dialog, class Read>
bool RunPageDialog(dao::Database& db, PageServices services, QWidget* parent, Read read) {
    std::optional<decltype(read(db))> page;
    try {
        page = read(db);
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, services.prompt);
        return false;
    }
    Dialog dialog(db, std::move(*page), std::move(services), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace projectdb
