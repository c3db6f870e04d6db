#include "platform/interaction/dyna_sizing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace ui {

namespace {
constexpr int kStateNormal = 1;
constexpr int kStateMaximized = 3;
}  // namespace

bool RestorePlacement(QWidget& window) {
    QSettings settings;
    settings.beginGroup(kDynaSizingSection);
    if (settings.value("(check)").toInt() != kDynaSizingCheck) return false;
    QRect rect(QPoint(settings.value("Left").toInt(), settings.value("Top").toInt()),
               QPoint(settings.value("Right").toInt() - 1, settings.value("Bottom").toInt() - 1));
    if (!rect.isValid()) return false;
    // A placement left from a larger or since removed screen must not put the window out of reach.
    if (QScreen* screen = QGuiApplication::screenAt(rect.topLeft())) {
        rect = rect.intersected(screen->availableGeometry());
    } else if (QScreen* primary = QGuiApplication::primaryScreen()) {
        rect.moveTopLeft(primary->availableGeometry().topLeft());
    }
    rect.setSize(rect.size().expandedTo(window.minimumSizeHint()));
    window.setGeometry(rect);
    if (settings.value("State").toInt() == kStateMaximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void SavePlacement(const QWidget& window) {
    QSettings settings;
    settings.beginGroup(kDynaSizingSection);
    QRect rect = window.isMaximized() ? window.normalGeometry() : window.geometry();
    settings.setValue("Left", rect.left());
    settings.setValue("Top", rect.top());
    settings.setValue("Right", rect.left() + rect.width());
    settings.setValue("Bottom", rect.top() + rect.height());
    settings.setValue("State", window.isMaximized() ? kStateMaximized : kStateNormal);
    settings.setValue("(check)", kDynaSizingCheck);
}

}  // namespace ui
