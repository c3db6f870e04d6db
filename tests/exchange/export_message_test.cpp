// The export command in windows: the success message box closes the command (saved as a picture with
// VELTRA_SHOTS set).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "exchange/interface_writer.h"
#include "exchange_fixture.h"
#include "platform/interaction/qt_interaction.h"
#include "platform/interaction/scripted.h"

namespace {

TEST(ExportMessage, SuccessIsShownInAMessageBoxWithThePath) {
    testing_support::TempDir dir;
    exchange_test::ProjectFile project(dir.file("bridge.vlt"));
    project.add("一般信息表", {{"TransectType", exchange_test::T("整体式")}});
    for (const char* table : {"平曲线资料表", "竖曲线资料表", "桥面横坡资料表", "锥坡信息表"}) project.create(table);
    project.add("锥坡信息表", {{"DistToAbutEnd", exchange_test::N(1)}});
    project.add("桥孔划分信息表", {{"SectSum", exchange_test::L(0)}});
    ui::ScriptedFileChooser files;
    std::string path = dir.file("Arvo3D.bri");
    files.queue(path);
    ui::QtPrompter prompter;
    QString shown;
    // The box is modal: read and close it from the event loop it runs.
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        QByteArray shots = qgetenv("VELTRA_SHOTS");
        if (!shots.isEmpty()) box->grab().save(QString::fromUtf8(shots) + "/export_success.png");
        box->accept();
    });
    EXPECT_TRUE(exchange::RunInterfaceExport(exchange::InterfaceFile::Arvo3d, project.db(), files, prompter));
    EXPECT_EQ(shown.toStdString(), "已成功输出Arvo3D接口文件。文件名为 " + path + "。");
}

}  // namespace
