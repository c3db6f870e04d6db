// drawhost: the stand-in drawing host. Without arguments it opens its window beside the design shell;
// "drawhost --render PROJECT --out DIR [--kind KIND] [--title TITLE] [--pdf]" draws without a window;
// "drawhost --screenshot PNG" saves a picture of the window after every command; --help and --version
// answer without a window (and without a display).
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/command_processor.h"
#include "host/drawhost_window.h"
#include "pdf_writer.h"
#include "platform/windows/ui/window_endpoint.h"
#include "platform/windows/window_directory.h"

namespace {

constexpr const char* kUsage =
    "用法：\n"
    "  drawhost [--screenshot PNG]\n"
    "      打开绘图主机窗口，接收设计程序发来的命令行（LOADDBAUTO、VLTIN、QUIT、(arxload ...)）；\n"
    "      每条命令之后可把窗口图片存为 PNG。\n"
    "  drawhost --render PROJECT --out DIR [--kind KIND] [--title TITLE] [--pdf]\n"
    "      不开窗口，把项目的一张图写成 DIR 中的 .dxf 和 .svg，给出 --pdf 时另写 .pdf。\n"
    "  drawhost --help       显示本说明\n"
    "  drawhost --version    显示版本\n";
constexpr const char* kVersion = "drawhost（Veltra 绘图主机替身）" DRAWHOST_VERSION "\n";

int RenderWithoutWindow(int argc, char** argv) {
    std::string project, out, kind = drawhost::kBridgeLayoutKind, title;
    // --pdf stands alone; the other options come in pairs.
    bool pdf = false;
    std::vector<char*> pairs;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--pdf") == 0)
            pdf = true;
        else
            pairs.push_back(argv[i]);
    }
    argc = static_cast<int>(pairs.size());
    argv = pairs.data();
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i];
        if (name == "--render")
            project = argv[i + 1];
        else if (name == "--out")
            out = argv[i + 1];
        else if (name == "--kind")
            kind = argv[i + 1];
        else if (name == "--title")
            title = argv[i + 1];
        else
            project.clear();
    }
    if (project.empty() || out.empty() || argc % 2 == 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        drawhost::RenderedDrawing drawn = drawhost::RenderProject(project, kind, title.empty() ? kind : title, out);
        for (const std::string& message : drawn.messages) std::fprintf(stderr, "%s\n", message.c_str());
        std::printf("%s\n%s\n", drawn.dxfPath.c_str(), drawn.svgPath.c_str());
        if (pdf) {
            // Fonts need a GUI application; without a display it paints offscreen.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication application(argc, argv);
            const std::string path = std::filesystem::path(drawn.svgPath).replace_extension(".pdf").string();
            drawhost::WritePdf(drawn.sheets, title.empty() ? kind : title, path);
            std::printf("%s\n", path.c_str());
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(kVersion, stdout);
            return 0;
        }
    }
    if (argc > 1 && std::strcmp(argv[1], "--render") == 0) return RenderWithoutWindow(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("drawhost");
    try {
        DrawHostWindow window;
        QStringList arguments = QApplication::arguments();
        if (qsizetype at = arguments.indexOf("--screenshot"); at > 0 && at + 1 < arguments.size())
            window.setScreenshotPath(arguments[at + 1]);
        window.show();
        // Scripts and tests wait for this line before they send anything.
        std::fprintf(stderr, "drawhost: window %lld registered\n", static_cast<long long>(window.endpoint().handle()));
        std::fflush(stderr);
        return QApplication::exec();
    } catch (const windows::DirectoryError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
