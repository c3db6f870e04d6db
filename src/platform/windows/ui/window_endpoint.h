#pragma once
// A Qt top-level window in the window directory: registered under the window's title, which it follows,
// moved to the top of the activation order whenever the window is activated, and receiving copy-data
// messages from the event loop through socket notifiers.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/windows/registered_window.h"

class QSocketNotifier;
class QTimer;

namespace windows {

class WindowEndpoint : public QObject {
    Q_OBJECT
public:
    // Raises DirectoryError when the window cannot be registered.
    WindowEndpoint(QWidget& window, WindowDirectory directory, RegisteredWindow::Handler handler);
    ~WindowEndpoint() override;

    WindowHandle handle() const { return m_registered.Handle(); }
    const RegisteredWindow& registered() const { return m_registered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnReadable();
    // One notifier per connection still waiting for the rest of its message, and the timer that ends the
    // wait of the oldest.
    void FollowConnections();

    QPointer<QWidget> m_window;
    RegisteredWindow m_registered;
    QSocketNotifier* m_pListen;
    QTimer* m_pExpiry;
    std::map<int, std::unique_ptr<QSocketNotifier>> m_connections;
    bool m_bDispatching = false;
};

}  // namespace windows
