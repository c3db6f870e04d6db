#include "platform/interaction/on_screen.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

QRect FitOnScreen(const QRect& frame, const QRect& available) {
    const int width = std::min(frame.width(), available.width());
    const int height = std::min(frame.height(), available.height());
    const int x = std::clamp(frame.x(), available.left(), available.left() + available.width() - width);
    const int y = std::clamp(frame.y(), available.top(), available.top() + available.height() - height);
    return QRect(x, y, width, height);
}

bool KeepWindowsOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow() || widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip)
        return false;
    const QScreen* screen = widget->screen();
    if (!screen || widget->isMaximized() || widget->isFullScreen()) return false;
    const QRect frame = widget->frameGeometry();
    const QRect fitted = FitOnScreen(frame, screen->availableGeometry());
    if (fitted == frame) return false;
    // The frame's edges (title bar, borders) stay as they are: the window's own part gives way.
    widget->resize(widget->size() - (frame.size() - fitted.size()));
    widget->move(fitted.topLeft());
    return false;
}

int TitleBarWidth(const QString& title, const QFont& font) {
    // The icon on the left and the close button on the right take about as much as eight wide characters.
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.horizontalAdvance(QChar(0x6C49));
}

}  // namespace ui
