#include "app/ui/menu_listing.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

void ListEntries(const QList<QAction*>& actions, const QString& path, QString& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        QString text = a->text();
        if (QMenu* popup = a->menu()) {
            ListEntries(popup->actions(), path.isEmpty() ? text : path + " > " + text, out);
            continue;
        }
        // Recent entries and the window list carry no command id.
        QString id = a->data().isValid() ? QString::number(a->data().toInt()) : QString();
        out += QStringList{path,
                           id,
                           text,
                           a->shortcut().toString(QKeySequence::PortableText),
                           a->statusTip().section('\n', 0, 0),
                           a->isEnabled() ? "1" : "0"}
                   .join('\t');
        out += '\n';
    }
}

}  // namespace

QString ListMenus(const QMenuBar& menuBar) {
    QString out;
    ListEntries(menuBar.actions(), QString(), out);
    return out;
}
