#pragma once
// The viewer's window: the values it received with their captions beside a shaded picture of the member.
#include <QDialog>
#include <string>
#include <vector>

#include "viewer/viewer_model.h"

class QTableWidget;

namespace viewer {

class MemberPicture;

class ViewerDialog : public QDialog {
public:
    ViewerDialog(const std::string& kind, const std::vector<std::string>& values, QWidget* parent = nullptr);
    QTableWidget* valueTable() const { return m_pValues; }
    MemberPicture* picture() const { return m_pPicture; }

private:
    QTableWidget* m_pValues;
    MemberPicture* m_pPicture;
};

}  // namespace viewer
