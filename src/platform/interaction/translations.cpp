#include "platform/interaction/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool InstallChineseTranslations(QCoreApplication& app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool installed = false;
    // qtbase holds the texts of the widgets we use; qt_zh_CN, where present, gathers the other modules'.
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder) && app.installTranslator(translator)) {
            installed = true;
        } else {
            delete translator;
        }
    }
    return installed;
}

}  // namespace ui
