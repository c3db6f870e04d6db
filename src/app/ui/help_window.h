#pragma once
// The help window: the manual's pages with their contents, a search over their text, and back and forward.
#include <QMainWindow>
#include <QString>

class QListWidget;
class QLineEdit;
class QTextBrowser;

class CHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // The manual lives in the resources under ":/help"; its first page is index.html.
    static constexpr const char* kIndexPage = "qrc:/help/index.html";
    static bool ManualPresent();

    explicit CHelpWindow(QWidget* parent = nullptr);
    void ShowPage(const QString& page);
    // Lists the pages whose text holds `words` (any letter case).
    void Search(const QString& words);

    QTextBrowser* browser() const { return m_pBrowser; }
    QListWidget* contents() const { return m_pContents; }
    QListWidget* results() const { return m_pResults; }

private:
    struct Page {
        QString url, title, text;
    };
    void LoadPages();

    QTextBrowser* m_pBrowser;
    QListWidget* m_pContents;
    QListWidget* m_pResults;
    QLineEdit* m_pSearch;
    QList<Page> m_pages;
};
