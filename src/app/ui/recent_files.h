#pragma once
// The recent-project list: up to 15 paths, most recent first, kept in the application profile in section
// "Recent File List" as entries "File1".."File15".
#include <QString>
#include <QStringList>

class RecentFileList {
public:
    static constexpr int kSize = 15;

    void load();
    void save() const;
    // Puts `path` first; an entry for the same file moves up; the 16th is dropped. Saved at once.
    void add(const QString& path);
    void remove(const QString& path);
    // The non-empty entries, most recent first ("None" and "" are empty).
    QStringList entries() const;

private:
    QStringList paths_;
};
