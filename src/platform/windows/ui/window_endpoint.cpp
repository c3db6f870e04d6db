#include "platform/windows/ui/window_endpoint.h"

#include <QEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace windows {

WindowEndpoint::WindowEndpoint(QWidget& window, WindowDirectory directory, RegisteredWindow::Handler handler)
    : QObject(&window), m_window(&window), m_registered(std::move(directory), window.windowTitle().toStdString()) {
    m_registered.SetHandler(std::move(handler));
    m_pListen = new QSocketNotifier(m_registered.ListeningFd(), QSocketNotifier::Read, this);
    connect(m_pListen, &QSocketNotifier::activated, this, &WindowEndpoint::OnReadable);
    m_pExpiry = new QTimer(this);
    m_pExpiry->setSingleShot(true);
    connect(m_pExpiry, &QTimer::timeout, this, &WindowEndpoint::OnReadable);
    connect(&window, &QWidget::windowTitleChanged, this, [this](const QString& title) {
        try {
            m_registered.SetTitle(title.toStdString());
        } catch (const DirectoryError& e) {
            qWarning("%s", e.what());
        }
    });
    window.installEventFilter(this);
}

WindowEndpoint::~WindowEndpoint() {
    if (m_window) m_window->removeEventFilter(this);
}

bool WindowEndpoint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::WindowActivate) {
        try {
            m_registered.Activated();
        } catch (const DirectoryError& e) {
            // The order of the list is a courtesy to the searching side; the window works on without it.
            qWarning("%s", e.what());
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowEndpoint::OnReadable() {
    // A handler that opens a dialog runs a nested event loop; the notifiers rest until it returns.
    if (m_bDispatching) return;
    m_bDispatching = true;
    m_pListen->setEnabled(false);
    for (auto& [fd, notifier] : m_connections) notifier->setEnabled(false);
    m_registered.Poll();
    m_pListen->setEnabled(true);
    m_bDispatching = false;
    FollowConnections();
}

void WindowEndpoint::FollowConnections() {
    std::vector<int> open = m_registered.ConnectionFds();
    for (auto it = m_connections.begin(); it != m_connections.end();) {
        if (std::find(open.begin(), open.end(), it->first) == open.end())
            it = m_connections.erase(it);
        else
            ++it;
    }
    for (int fd : open) {
        auto& notifier = m_connections[fd];
        if (!notifier) {
            notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            connect(notifier.get(), &QSocketNotifier::activated, this, &WindowEndpoint::OnReadable);
        }
        notifier->setEnabled(true);
    }
    if (auto expiry = m_registered.NextExpiry()) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(*expiry - std::chrono::steady_clock::now());
        m_pExpiry->start(std::max<int>(0, static_cast<int>(left.count())));
    } else {
        m_pExpiry->stop();
    }
}

}  // namespace windows
