#pragma once
// Pictures of the windows under test, to look at them by eye: saved as NAME.png in the folder that
// VELTRA_SHOTS names, nothing when it is not set. Header only: only the window tests link Qt.
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>

namespace testing_support {

inline void SavePicture(const QPixmap& picture, const QString& name) {
    const QString folder = qEnvironmentVariable("VELTRA_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    picture.save(folder + "/" + name + ".png");
}

inline void Shot(QWidget& widget, const std::string& name) {
    if (qEnvironmentVariableIsEmpty("VELTRA_SHOTS")) return;  // grabbing a window costs time
    SavePicture(widget.grab(), QString::fromStdString(name));
}

}  // namespace testing_support
