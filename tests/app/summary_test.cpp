// Every long operation ends with one line in the status bar: the very line veltra-cli prints for it.
#include <QApplication>
#include <QCheckBox>
#include <QStatusBar>
#include <filesystem>
#include <functional>

#include "app/command_table.h"
#include "app_fixture.h"
#include "cli/command.h"
#include "exchange/ui/import_options_dialog.h"
#include "exchange/ui/import_range_dialog.h"
#include "support/dialog_driver.h"

namespace {

using testing_support::DialogDriver;
using Strings = std::vector<std::string>;

// In the import options dialog, every section or group, as the command line imports them.
void ImportEverything(QWidget* dialog) {
    auto* options = qobject_cast<CImportOptionsDlg*>(dialog);
    ASSERT_TRUE(options);
    options->box(exchange::ImportBox::All)->click();
    options->accept();
}

// The last line veltra-cli writes for `words` (standard output for the library commands, standard error
// for the others).
std::string CliLastLine(const Strings& words, bool onStdout = false) {
    std::vector<cli::Command> commands;
    for (auto group : {cli::WizardCommands, cli::RouteCommands, cli::ExchangeCommands, cli::OpenExchangeCommands,
                       cli::LibraryCommands})
        for (auto& c : group()) commands.push_back(c);
    for (const auto& c : commands) {
        if (c.name != words[0]) continue;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = cli::RunCommand(c, Strings(words.begin() + 1, words.end()));
        const std::string err = testing::internal::GetCapturedStderr();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 0) << words[0] << ": " << err;
        std::string text = onStdout ? out : err;
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    }
    ADD_FAILURE() << "no subcommand " << words[0];
    return {};
}

class SummaryTest : public AppTest {
protected:
    // The sample bridge with its route, as the README's first steps make it.
    std::string MakeSampleBridge() {
        const std::string path = dir.file("桥.vlt");
        const std::string samples = VELTRA_SAMPLES_DIR;
        CliLastLine({"new", path, "--from", samples + "/sample_bridge.json"}, true);
        CliLastLine({"import-route", path, samples + "/sample_bridge.BRF", "--yes"});
        return path;
    }
};

TEST_F(SummaryTest, EachOperationEndsWithTheCommandLinesSummaryInTheStatusBar) {
    const std::string project = MakeSampleBridge();
    const std::string copy = dir.file("copy.vlt");  // the command line's run of an import works on a copy
    const std::string route = std::string(VELTRA_SAMPLES_DIR) + "/sample_bridge.BRF";
    const std::string landXml = dir.file("route.xml");
    const std::string reference = dir.file("reference.vlt");  // another project to import from
    std::filesystem::copy_file(project, reference);
    Start(QString::fromStdString(project));
    ui.prompter.setDefault(ui::Answer::Yes);
    struct Case {
        int command;
        Strings cli;  // the same operation on the command line
        std::string chosenFile;
        bool onCopy = false;
        std::function<void(DialogDriver&)> dialogs = {};
    } cases[] = {
        {app::CommandId("export-arvo3d"), {"export-3d", project, dir.file("A.bri"), "--yes"}, dir.file("A.bri")},
        {app::CommandId("export-kelsa"), {"export-sub", project, dir.file("K.bri"), "--yes"}, dir.file("K.bri")},
        {app::CommandId("export-landxml"), {"export-landxml", project, landXml}, landXml},
        {app::CommandId("export-ifc"), {"export-ifc", project, dir.file("M.ifc")}, dir.file("M.ifc")},
        {app::CommandId("import-landxml"), {"import-landxml", copy, landXml, "--yes"}, landXml, true},
        {app::CommandId("import"), {"import-route", copy, route, "--yes"}, route, true,
         [](DialogDriver& driver) {
             driver.then(ImportEverything);
             driver.then([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });  // the bridge extent
         }},
        {app::CommandId("import"), {"import-project", copy, reference}, reference, true,
         [](DialogDriver& driver) { driver.then(ImportEverything); }},
    };
    QStatusBar* bar = app->mainFrame()->statusBar();
    for (const auto& c : cases) {
        if (c.onCopy) std::filesystem::copy_file(project, copy, std::filesystem::copy_options::overwrite_existing);
        const std::string expected = CliLastLine(c.cli);
        bar->showMessage("就绪");
        DialogDriver driver;
        if (c.dialogs) c.dialogs(driver);
        ui.files.queue(c.chosenFile);
        app->mainFrame()->OnCommand(c.command);
        EXPECT_EQ(bar->currentMessage().toStdString(), expected) << c.cli[0];
        if (c.cli[0] == "import-route") {
            Shot(*app->mainFrame(), "status-after-route-import");
            // A route import says what it wrote, and where from. By hand, over the bridge's 1200 .. 1260: ground
            // points every 5 m (13) and the one on each side of the range, the two plan elements from 1150 and
            // from 1200, all three vertical points, and the deck sections every 10 m (7).
            EXPECT_EQ(expected, "已从 sample_bridge.BRF 导入路线资料：地形资料表 15 条、平曲线资料表 2 条、竖曲线资料表 3 条、"
                                "路基设计表 7 条记录。");
        }
    }
}

}  // namespace
