#pragma once
// Windows that open whole on the screen: a top-level window larger than the screen's free area (without
// panels and docks) is made smaller, and one reaching beyond it moves back in. A restored placement from a
// larger screen, or a dialog sized for its widest table, would otherwise open with its buttons out of reach.
#include <QObject>
#include <QRect>
#include <QString>

class QFont;

namespace ui {

// The frame rectangle moved and shrunk into `available`.
QRect FitOnScreen(const QRect& frame, const QRect& available);

// An application-wide event filter: every window that is shown is fitted onto its screen.
class KeepWindowsOnScreen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// How wide a window must be for the title bar to show `title` whole, with the window's icon and buttons.
int TitleBarWidth(const QString& title, const QFont& font);

}  // namespace ui
