#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/interaction/translations.h"

namespace {

TEST(ChineseTranslations, MessageBoxButtonsReadInChinese) {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm";
    if (!QFileInfo::exists(file)) GTEST_SKIP() << "Qt's Chinese translations are not installed: " << file.toStdString();
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(ui::InstallChineseTranslations(app));
    // The context and texts Qt 6 takes the standard buttons' texts from.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "确定");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "是(&Y)");
    // Other tests of this program see Qt's texts as they were.
    for (QTranslator* translator : app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "OK");
}

}  // namespace
