#pragma once
// The new-project wizard "Wizard": three pages (一般信息, 桥跨信息, 绘图信息) with Back, Next and Finish.
// Finish asks for the project file and hands it to the wizard model, which closes the open project, writes
// the new one and opens it through the steps the application gives.
#include <QDialog>

#include "projectdb/wizard_model.h"
#include "projectdb/ui/page_services.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace projectdb {

class CMyPropertyPage11;
class CMyPropertyPage21;
class CMyPropertyPage31;

// The project file Finish asks for.
ui::FileRequest NewProjectFileRequest();

class CMyPropertySheet1 : public QDialog {
    Q_OBJECT
public:
    CMyPropertySheet1(PageServices services, FinishSteps steps, QWidget* parent = nullptr);
    ~CMyPropertySheet1() override;

    NewProjectWizard& wizard() { return m_wizard; }
    int CurrentPage() const;  // 0, 1, 2
    CMyPropertyPage11* GeneralPageView() const { return m_pPage1; }
    CMyPropertyPage21* SpanPageView() const { return m_pPage2; }
    CMyPropertyPage31* DrawingPageView() const { return m_pPage3; }
    QPushButton* BackButton() const { return m_pBack; }
    QPushButton* NextButton() const { return m_pNext; }
    QPushButton* FinishButton() const { return m_pFinish; }
    QPushButton* CancelButton() const { return m_pCancel; }
    // How Finish ended; nullopt while it has not run to the end (file dialog cancelled, or not pressed).
    std::optional<FinishResult> Result() const { return m_result; }

private:
    void ShowPage(int index);
    void OnBack();
    void OnNext();
    void OnFinish();

    NewProjectWizard m_wizard;
    PageServices m_services;
    FinishSteps m_steps;
    QLabel* m_pTitle = nullptr;
    QStackedWidget* m_pPages = nullptr;
    CMyPropertyPage11* m_pPage1 = nullptr;
    CMyPropertyPage21* m_pPage2 = nullptr;
    CMyPropertyPage31* m_pPage3 = nullptr;
    QPushButton* m_pBack = nullptr;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pFinish = nullptr;
    QPushButton* m_pCancel = nullptr;
    std::optional<FinishResult> m_result;
};

}  // namespace projectdb
