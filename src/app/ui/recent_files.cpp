#include "app/ui/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr const char* kSection = "Recent File List";

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

}  // namespace

void RecentFileList::load() {
    QSettings settings;
    settings.beginGroup(kSection);
    paths_.clear();
    for (int i = 1; i <= kSize; ++i) {
        QString value = settings.value(QString("File%1").arg(i)).toString();
        if (!value.isEmpty() && value != "None") paths_ << value;
    }
}

void RecentFileList::save() const {
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        QString key = QString("File%1").arg(i);
        if (i <= paths_.size())
            settings.setValue(key, paths_[i - 1]);
        else
            settings.remove(key);
    }
}

void RecentFileList::add(const QString& path) {
    load();  // another instance may have added files since
    QString full = QFileInfo(path).absoluteFilePath();
    for (int i = paths_.size() - 1; i >= 0; --i)
        if (SameFile(paths_[i], full)) paths_.removeAt(i);
    paths_.prepend(full);
    while (paths_.size() > kSize) paths_.removeLast();
    save();
}

void RecentFileList::remove(const QString& path) {
    for (int i = paths_.size() - 1; i >= 0; --i)
        if (SameFile(paths_[i], path)) paths_.removeAt(i);
    save();
}

QStringList RecentFileList::entries() const { return paths_; }
