// One program of the two-process check: opens a project through the project session (its open marker
// and read-only offer included) and a grid window on one table, then waits for a line on standard input,
// types one value, saves, and ends. Message boxes are the real ones, answered by a watcher: the offer to
// open read-only with 否 (open for writing all the same), a refused cell with 确定, every other question with 是. Each box's text
// goes to standard output as "box: ..." (and to VELTRA_SHOTS/<name>.png when that folder is set).
//
//   grid_edit_process --make PROJECT TABLE          a project with TABLE holding rows P1, P2, P3
//   grid_edit_process PROJECT TABLE ROW COL VALUE
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <iostream>
#include <string>

#include "app/project_session.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/project_host.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/qt_interaction.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/project_file.h"

namespace {

class SessionHost : public browse::ProjectHost {
public:
    SessionHost(app::ProjectSession& session, ui::Prompter& prompter) : m_session(session), m_prompter(prompter) {}
    dao::Database* ProjectDatabase() const override { return m_session.Database(); }
    bool IsAdvancedUser() const override { return false; }
    browse::CBriFormView* OpenGridWindow(const std::string& table) override {
        m_view = std::make_unique<browse::CBriFormView>(*this);
        m_view->Load(table);
        return m_view.get();
    }
    std::vector<browse::CBriFormView*> GridViews() const override { return {m_view.get()}; }
    bool CloseGridWindow(browse::CBriFormView* view) override { return view->CanClose(); }
    int ProjectWindowCount() const override { return 2; }
    ui::Prompter& Prompter() override { return m_prompter; }
    ui::FileChooser& FileChooser() override { return m_files; }
    QWidget* MainWindow() const override { return nullptr; }

private:
    app::ProjectSession& m_session;
    ui::Prompter& m_prompter;
    ui::ScriptedFileChooser m_files;
    std::unique_ptr<browse::CBriFormView> m_view;
};

// Answers whatever message box is up, as described at the top.
void WatchMessageBoxes(QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        const bool offer = box->text().contains("只读");
        const bool refusal = box->text().contains("请改正");
        std::cout << "box: " << box->text().section('\n', 0, 0).toStdString() << std::endl;
        const QString shots = qEnvironmentVariable("VELTRA_SHOTS");
        if (!shots.isEmpty())
            box->grab().save(shots + (offer ? "/readonly-offer.png" : refusal ? "/refused-cell.png" : "/question.png"));
        for (QAbstractButton* b : box->buttons())
            if (b->text().startsWith(offer ? "否" : refusal ? "确定" : "是")) {
                b->click();
                return;
            }
    });
    timer->start(20);
}

int Make(const std::string& path, const std::string& table) {
    auto db = projectdb::CreateProjectFile(path);
    db->Execute("CREATE TABLE [" + table + "] (Name TEXT(50), [Value] DOUBLE, Note TEXT(50))");
    for (const char* row : {"'P1', 1, 'x'", "'P2', 2, 'y'", "'P3', 3, 'z'"})
        db->Execute("INSERT INTO [" + table + "] VALUES (" + row + ")");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--make") return Make(argv[2], argv[3]);
    if (argc != 6) {
        std::cerr << "用法: grid_edit_process PROJECT TABLE ROW COL VALUE\n";
        return 2;
    }
    const std::string path = argv[1], table = argv[2], value = argv[5];
    const int row = std::stoi(argv[3]), col = std::stoi(argv[4]);

    ui::QtPrompter prompter;
    app::ProjectSession session(app::SessionServices{prompter});
    SessionHost host(session, prompter);
    WatchMessageBoxes(&application);
    if (!session.Open(path, app::OpenRoute::OpenFirst) || session.IsReadOnly()) return 1;
    browse::CBriFormView* view = host.OpenGridWindow(table);
    std::cout << "loaded " << view->Grid().rowCount() << std::endl;

    std::string go;
    std::getline(std::cin, go);
    view->Grid().setCurrentCell(row, col);
    QMimeData data;
    data.setText(QString::fromStdString(value));
    if (!view->Grid().pasteMimeData(data)) return 1;
    const bool saved = view->CommitEdits();
    if (!qEnvironmentVariable("VELTRA_SHOTS").isEmpty()) {
        view->resize(420, 160);
        view->grab().save(qEnvironmentVariable("VELTRA_SHOTS") + "/grid.png");
    }
    std::cout << (saved ? "saved" : "not saved") << std::endl;
    return saved ? 0 : 1;
}
