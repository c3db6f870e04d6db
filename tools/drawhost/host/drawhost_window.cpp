#include "host/drawhost_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <filesystem>

#include "host/drawing_view.h"
#include "platform/windows/copy_data.h"
#include "platform/windows/ui/window_endpoint.h"

namespace {

constexpr const char* kHostTitle = "AutoCAD 2002 - [Drawing1.dwg]";
// The design shell's main window title begins with its application title.
constexpr const char* kShellTitle = "LumarisOmbrix";
constexpr const char* kQuitNotice = "AutoCAD is about quitting.";

QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

DrawHostWindow::DrawHostWindow() {
    setWindowTitle(kHostTitle);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_pView = new DrawingView(splitter);
    auto* paneBox = new QWidget(splitter);
    auto* layout = new QVBoxLayout(paneBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pPane = new QPlainTextEdit(paneBox);
    m_pPane->setReadOnly(true);
    m_pPane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pInput = new QLineEdit(paneBox);
    m_pInput->setPlaceholderText("命令:");
    layout->addWidget(m_pPane);
    layout->addWidget(m_pInput);
    splitter->addWidget(m_pView);
    splitter->addWidget(paneBox);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    statusBar()->showMessage("没有打开的项目数据库");
    resize(1100, 760);
    connect(m_pInput, &QLineEdit::returnPressed, this, [this] {
        std::string typed = m_pInput->text().toStdString();
        m_pInput->clear();
        Execute(typed + " ");
    });
    m_pPane->appendPlainText("命令:");
    m_pEndpoint = new windows::WindowEndpoint(*this, windows::WindowDirectory::ForUser(),
                                              [this](const windows::CopyData& data) { return OnCopyData(data); });
}

DrawHostWindow::~DrawHostWindow() = default;

std::int32_t DrawHostWindow::OnCopyData(const windows::CopyData& data) {
    if (data.kind != windows::kCommandLineKind) return 0;
    // The shell waits for this answer: everything that takes time, showing the line included, follows it.
    m_received.push_back(windows::RecordText(data));
    QTimer::singleShot(0, this, &DrawHostWindow::RunReceived);
    return 1;
}

void DrawHostWindow::RunReceived() {
    if (m_received.empty()) return;
    std::string commandLine = std::move(m_received.front());
    m_received.pop_front();
    Execute(commandLine);
}

void DrawHostWindow::Execute(const std::string& commandLine) {
    std::fprintf(stdout, "%s\n", commandLine.c_str());
    std::fflush(stdout);
    m_pPane->appendPlainText(Qs(drawhost::PaneLine("命令: " + commandLine)));
    drawhost::Reply reply = m_processor.Take(commandLine);
    for (const std::string& line : reply.lines) Answer(line);
    statusBar()->showMessage(m_processor.ProjectPath().empty() ? QString("没有打开的项目数据库")
                                                               : Qs("项目数据库：" + m_processor.ProjectPath()));
    if (reply.drawRequested) QTimer::singleShot(0, this, &DrawHostWindow::DrawCurrent);
    if (reply.quitRequested) QTimer::singleShot(0, this, &QWidget::close);
    SaveScreenshot();
}

void DrawHostWindow::SaveScreenshot() {
    if (m_screenshotPath.isEmpty()) return;
    QPixmap picture = grab();
    if (picture.isNull() || !picture.save(m_screenshotPath, "PNG"))
        Answer("无法保存窗口图片“" + m_screenshotPath.toStdString() + "”。");
}

void DrawHostWindow::Answer(const std::string& text) {
    // An answer may quote the command line it answers.
    std::string line = drawhost::PaneLine(text);
    m_pPane->appendPlainText(Qs(line));
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

void DrawHostWindow::DrawCurrent() {
    try {
        drawhost::RenderedDrawing drawn = m_processor.DrawCurrent();
        if (!m_pView->showDrawing(Qs(drawn.svgPath))) {
            Answer("无法显示图形文件“" + drawn.svgPath + "”。");
            return;
        }
        setWindowTitle(Qs("AutoCAD 2002 - [" + std::filesystem::path(drawn.dxfPath).stem().string() + ".dwg]"));
        Answer("已写出图形文件“" + drawn.dxfPath + "”和“" + drawn.svgPath + "”。");
        for (const std::string& message : drawn.messages) Answer(message);
        SaveScreenshot();
    } catch (const std::exception& e) {
        Answer(std::string("绘图失败：") + e.what());
    }
}

void DrawHostWindow::closeEvent(QCloseEvent* event) {
    SendQuitNotice();
    event->accept();
}

void DrawHostWindow::SendQuitNotice() {
    if (m_bNoticeSent) return;
    m_bNoticeSent = true;
    const windows::WindowDirectory& directory = m_pEndpoint->registered().Directory();
    try {
        for (const windows::WindowEntry& window : directory.List()) {
            if (window.title.rfind(kShellTitle, 0) != 0) continue;
            windows::SendOutcome sent = directory.Send(window.handle,
                                                       windows::CommandLineRecord(kQuitNotice, m_pEndpoint->handle()));
            if (sent.result != windows::SendResult::Delivered) Answer("设计程序没有收到退出通知。");
            return;
        }
    } catch (const windows::DirectoryError& e) {
        Answer(e.what());
    }
}
