#include "app/ui/qt_program_starter.h"

#include <QProcess>
#include <QString>

bool CQtProgramStarter::Start(const std::string& program, const std::string& folder) {
    return QProcess::startDetached(QString::fromStdString(program), {}, QString::fromStdString(folder));
}
