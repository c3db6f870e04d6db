#pragma once
// The new-project wizard as a whole: its three pages, Finish, and the 确定 of the dialogs that edit the
// central tables of an open project. Nothing here opens a window: the steps that belong to the
// application (closing the open project, opening the new one, the drawing host) are handed in.
#include <functional>
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "projectdb/drawing_page.h"
#include "projectdb/general_page.h"
#include "projectdb/span_page.h"

namespace projectdb {

// What Finish asks of the application; an empty step is skipped (the command line has none).
struct FinishSteps {
    // Closes the open project, asking every grid window; false when one refused (nothing is created).
    std::function<bool()> closeCurrentProject;
    // Makes the new file the open project, which also publishes its path and adds it to the recent list;
    // false when it could not be opened (the error has been shown).
    std::function<bool(const std::string& path)> openProject;
    // Tells an attached drawing host to load the new project; leave it empty when opening the project
    // already does (the application's project session sends "LoadDBAuto " on every open).
    std::function<void()> notifyDrawingHost;
};

enum class FinishResult {
    Created,          // the project was written and opened
    ProjectKeptOpen,  // a grid window of the open project refused to close; nothing was created
    Failed,           // a database error was shown; nothing was created and a file at the path is unchanged
};

class NewProjectWizard {
  public:
    // Page 1 with the remembered values, page 2 with the initial content; page 3 fills when shown.
    NewProjectWizard();

    GeneralPage& general() { return m_general; }
    SpanPage& spans() { return m_spans; }
    DrawingPage& drawings() { return m_drawings; }
    const GeneralPage& general() const { return m_general; }
    const SpanPage& spans() const { return m_spans; }
    const DrawingPage& drawings() const { return m_drawings; }

    // Page 3 becomes the current page: its candidate lists and default rows follow page 2.
    void OnDrawingPageShown() { m_drawings.OnShown(m_spans, true); }

    // Writes 一般信息表 … 图形布置信息表 from the pages into `db`. Database errors are raised.
    void WriteProject(dao::Database& db) const;

    // Finish, once the file has been chosen: closes the open project, writes the new project and puts it
    // at `path` (an existing file is replaced, only by a complete project), opens it and tells the drawing
    // host.
    FinishResult Finish(const std::string& path, const FinishSteps& steps, ui::Prompter& prompt) const;

  private:
    GeneralPage m_general;
    SpanPage m_spans;
    DrawingPage m_drawings;
};

// 确定 of the 一般信息 dialog: rewrites 一般信息表 and stores the remembered values. A database error is
// shown and false returned.
bool SaveGeneralInformation(dao::Database& db, const GeneralPage& page, ui::Prompter& prompt);
// 确定 of the 桥跨信息 dialog: the member clean-up and the five layout tables rewritten. A database error is
// shown and false returned.
bool SaveSpanLayout(dao::Database& db, const SpanPage& page, ui::Prompter& prompt);

}  // namespace projectdb
