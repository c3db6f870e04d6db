#pragma once
#include <QDialog>

// "关于Ombrix": version and a link for questions and suggestions.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    static constexpr const char* kSupportAddress = "support@veltra-bridge.org";
};
