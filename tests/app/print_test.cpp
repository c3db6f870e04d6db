// 打印 puts the current grid window on paper with the printer set-up: every record once, the column
// captions on every page. The PDF is read back with poppler's tools.
#include <QFileInfo>
#include <QStatusBar>
#include <map>

#include "app_fixture.h"
#include "browse/ui/project_host.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/qt_printing.h"
#include "support/pdf_probe.h"

namespace {

TEST_F(AppTest, PrintPutsTheCurrentGridOnPaperWithTheSetUp) {
    const std::string project = MakeProject("a.vlt");
    {
        auto db = dao::Database::Open(project);
        projectdb::EnsureTable(*db, *projectdb::FindTableSchema(projectdb::kGroundLineTable));
        dao::Recordset rs(*db);
        rs.Open("[地形资料表]");
        for (int i = 0; i < 150; ++i) {
            rs.AddNew();
            rs.SetFieldValue("Stake", dao::Value::Double(2000 + 10 * i));
            rs.SetFieldValue("Elevation", dao::Value::Double(95.125));
            rs.Update();
        }
    }
    const std::string pdf = dir.file("grid.pdf");
    ui::PdfPrintChooser toPdf(QString::fromStdString(pdf));
    app->setPrintChooser(&toPdf);
    Start(QString::fromStdString(project));

    // No grid window yet: the user learns what to open.
    app->mainFrame()->OnCommand("print");
    EXPECT_EQ(ui.prompter.texts(), std::vector<std::string>{"请先选择要打印的表格窗口。"});
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));

    app->projectHost().OpenGridWindow("地形资料表");
    app->mainFrame()->OnCommand("print");
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));
    EXPECT_TRUE(app->mainFrame()->statusBar()->currentMessage().startsWith("已打印“地形资料表”"));
    if (!testing_support::HavePdfTools()) GTEST_SKIP() << "pdfinfo is missing";
    const std::string info = testing_support::PdfInfo(pdf);
    EXPECT_NE(info.find("Page size:       595 x 842 pts"), std::string::npos) << info;  // A4 upright, the default
    const int pages = testing_support::PdfPageCount(info);
    EXPECT_GE(pages, 2);

    std::map<std::string, int> printed;
    for (int page = 1; page <= pages; ++page) {
        const std::string text = testing_support::PdfPageText(pdf, page);
        EXPECT_NE(text.find("地形资料表"), std::string::npos) << page;
        EXPECT_NE(text.find("桩号"), std::string::npos) << page;
        EXPECT_NE(text.find("第 " + std::to_string(page) + " 页，共 " + std::to_string(pages) + " 页"),
                  std::string::npos)
            << text;
        for (int i = 0; i < 150; ++i) {
            const std::string stake = std::to_string(2000 + 10 * i);
            for (size_t p = text.find(stake); p != std::string::npos; p = text.find(stake, p + 1)) ++printed[stake];
        }
    }
    for (int i = 0; i < 150; ++i) EXPECT_EQ(printed[std::to_string(2000 + 10 * i)], 1) << 2000 + 10 * i;
    if (!qEnvironmentVariable("VELTRA_SHOTS").isEmpty())
        testing_support::CommandOutput("pdftoppm -png -r 60 -f 1 -l 1 '" + pdf + "' '" +
                                       qEnvironmentVariable("VELTRA_SHOTS").toStdString() + "/printed_grid'");
}

}  // namespace
