#include "ui/dialogs/TContactPointDlg.h"

#include "model/ZVBObject.h"
#include "ui/dialogs/ContactFields.h"

#include <QVBoxLayout>

TContactPointDlg::TContactPointDlg(const QString& caption, int classCode, ContactFields* fields, const QString& newTitle,
                                   QWidget* parent)
    : TOKBottomDlg(caption, classCode, parent), m_fields(fields), m_newTitle(newTitle)
{
    m_fields->setParent(Body());
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fields);
    layout->addStretch();
    ChainTabOrder(m_fields->TabChain());
    setMinimumWidth(380);
}

void TContactPointDlg::SetContact(TZVBObject& item, bool isNew)
{
    SetItem(&item);
    if (isNew) {
        m_fields->SetTitle(m_newTitle);
    } else {
        m_fields->SetTitle(item.Title());
        m_fields->Load(item);
    }
}
