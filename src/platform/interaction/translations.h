#pragma once
// Qt's own texts (the buttons of message boxes and dialog button boxes, the file dialog) in Chinese, like
// every other text of the application. The application calls this once, right after creating its
// QCoreApplication.
class QCoreApplication;

namespace ui {

// Installs Qt's Chinese translations from Qt's translations folder (the Debian package
// qt6-translations-l10n). The translators belong to `app`. False when they are not installed; Qt's
// texts then stay English, which is no reason to stop the application.
bool InstallChineseTranslations(QCoreApplication& app);

}  // namespace ui
