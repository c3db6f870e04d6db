#include "projectdb/ui/member_type_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/interaction/dialog_buttons.h"
#include "projectdb/ui/member_type_picture.h"

namespace projectdb {

namespace {

// Pictures at least this wide go below the buttons, the others beside them.
constexpr int kWidePicture = 300;

QString PictureName(const MemberChoiceList& list, int index) {
    if (!list.fixedPicture.empty()) return QString::fromStdString(list.fixedPicture);
    return QString::fromStdString(list.options[index].picture);
}

}  // namespace

CMemberTypeDlg::CMemberTypeDlg(MemberChoice kind, const std::string& current, QWidget* parent)
    : QDialog(parent), m_list(MemberChoiceListOf(kind)) {
    setWindowTitle(QString::fromStdString(m_list.title));
    // Below a wide picture (the title blocks) the buttons stand in a row.
    const bool widePicture = m_list.pictureWidth >= kWidePicture;
    auto* group = new QButtonGroup(this);
    auto* buttonBox = new QGroupBox(this);
    QBoxLayout* buttonLayout = widePicture ? static_cast<QBoxLayout*>(new QHBoxLayout(buttonBox))
                                           : static_cast<QBoxLayout*>(new QVBoxLayout(buttonBox));
    for (int i = 0; i < static_cast<int>(m_list.options.size()); ++i) {
        auto* button = new QRadioButton(QString::fromStdString(m_list.options[i].caption), buttonBox);
        group->addButton(button, i);
        buttonLayout->addWidget(button);
        m_buttons.push_back(button);
    }
    buttonLayout->addStretch();

    // The field holds the tallest picture of the list at the list's width; a list without a width shows
    // its pictures at their own size.
    std::vector<QString> pictures;
    for (int i = 0; i < static_cast<int>(m_list.options.size()); ++i)
        if (QString name = PictureName(m_list, i); !name.isEmpty()) pictures.push_back(name);
    if (!pictures.empty()) {
        const int width = m_list.pictureWidth ? m_list.pictureWidth : CTypePicture::NaturalWidth(pictures.front());
        int fieldHeight = 0;
        for (const QString& name : pictures) fieldHeight = std::max(fieldHeight, CTypePicture::HeightAt(name, width));
        m_pPicture = new CTypePicture(width, fieldHeight, this);
    }

    QDialogButtonBox* okCancel = ::ui::OkCancelButtons(this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(buttonBox, 0, 0);
    if (m_pPicture && widePicture)
        layout->addWidget(m_pPicture, 1, 0);
    else if (m_pPicture)
        layout->addWidget(m_pPicture, 0, 1, Qt::AlignTop);
    layout->addWidget(okCancel, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    int checked = MemberChoiceIndex(kind, current);
    m_buttons[checked]->setChecked(true);
    ShowPictureOf(checked);
    connect(group, &QButtonGroup::idClicked, this, [this](int index) { ShowPictureOf(index); });
}

std::string CMemberTypeDlg::TypeName() const {
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i)
        if (m_buttons[i]->isChecked()) return m_list.options[i].name;
    return m_list.options.front().name;
}

void CMemberTypeDlg::ShowPictureOf(int index) {
    if (m_pPicture) m_pPicture->SetPicture(PictureName(m_list, index));
}

std::optional<std::string> ChooseMemberType(MemberChoice kind, const std::string& current, QWidget* parent) {
    CMemberTypeDlg dialog(kind, current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.TypeName();
}

}  // namespace projectdb
