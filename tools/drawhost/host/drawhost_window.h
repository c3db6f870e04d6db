#pragma once
// The main window of the stand-in drawing host, titled as the shell looks for it: the drawing on top, the
// command line pane below. Command lines arrive from the shell through the window directory (and may be
// typed into the pane); each is shown, printed on standard output, and carried out.
#include <QMainWindow>
#include <deque>
#include <memory>

#include "host/command_processor.h"

class DrawingView;
class QLineEdit;
class QPlainTextEdit;
namespace windows {
struct CopyData;
class WindowEndpoint;
}  // namespace windows

class DrawHostWindow : public QMainWindow {
    Q_OBJECT
public:
    // Raises windows::DirectoryError when the window cannot be registered.
    DrawHostWindow();
    ~DrawHostWindow() override;

    windows::WindowEndpoint& endpoint() const { return *m_pEndpoint; }
    // Carries out one command line as if it had been received.
    void Execute(const std::string& commandLine);
    // Saves a picture of the window to `path` after every command (for runs without a display).
    void setScreenshotPath(const QString& path) { m_screenshotPath = path; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Takes a received command line for running once the sender has its answer.
    std::int32_t OnCopyData(const windows::CopyData& data);
    void RunReceived();
    void Answer(const std::string& text);
    void DrawCurrent();
    // Tells the design shell that the host ends (the shell then shows itself and forgets the host).
    void SendQuitNotice();
    void SaveScreenshot();

    drawhost::CommandProcessor m_processor;
    DrawingView* m_pView;
    QPlainTextEdit* m_pPane;
    QLineEdit* m_pInput;
    windows::WindowEndpoint* m_pEndpoint = nullptr;
    bool m_bNoticeSent = false;
    std::deque<std::string> m_received;  // command lines answered and not yet run, in arrival order
    QString m_screenshotPath;
};
