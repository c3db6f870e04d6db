#pragma once
// The member-type selection dialogs: one radio button per type name, in a fixed order, with a picture of
// the checked type. Opened with the current name; OK gives the checked button's name, which is always one
// of the list.
#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "projectdb/member_types.h"

class QRadioButton;

namespace projectdb {

class CTypePicture;

class CMemberTypeDlg : public QDialog {
    Q_OBJECT
public:
    CMemberTypeDlg(MemberChoice kind, const std::string& current, QWidget* parent = nullptr);

    // The checked button's type name.
    std::string TypeName() const;
    const std::vector<QRadioButton*>& Buttons() const { return m_buttons; }
    CTypePicture* Picture() const { return m_pPicture; }

private:
    void ShowPictureOf(int index);

    const MemberChoiceList& m_list;
    std::vector<QRadioButton*> m_buttons;
    CTypePicture* m_pPicture = nullptr;
};

// Opens the selection dialog of `kind` modally with the current name checked (an unknown name checks the
// first type). The chosen type name on OK; nothing on Cancel, and the caller keeps its value.
std::optional<std::string> ChooseMemberType(MemberChoice kind, const std::string& current, QWidget* parent);

}  // namespace projectdb
