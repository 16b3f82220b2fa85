#include "model/ToolObject.h"

#include "model/ItemHost.h"
#include "model/TextRules.h"

#include <QFileInfo>

TToolObject::TToolObject(const QString& title, const QString& value, std::int32_t id, const QString& comment)
    : TZVBObject(ClassCode::Tool, title, value, id, comment)
{
}

void TToolObject::SetProgram(const QString& program, const QString& parameters)
{
    m_program = TextRules::Clean(program);
    m_parameters = TextRules::Clean(parameters);
}

void TToolObject::FetchIcon()
{
    if (ItemHost* host = ItemHost::Current())
        m_imageIndex = host->ToolImageIndex(m_program);
}

QString TToolObject::LaunchParameters() const
{
    const QString parameters = m_parameters + u' ' + Value();
    return parameters.size() < 2 ? QString() : parameters;
}

QString TToolObject::WorkingDirectory() const
{
    return m_program.isEmpty() ? QString() : QFileInfo(m_program).path();
}

int TToolObject::ImageIndex() const
{
    return m_imageIndex;
}

void TToolObject::ReadDetails(const QString& line)
{
    ReadFieldsAndCategories(line, u"{Tool}", {&m_program, &m_parameters});
}

void TToolObject::WriteRecord(RecordText& out, int level) const
{
    RecordWithFields(out, level, u"{Tool}", {m_program, m_parameters});
}

void TToolObject::AdjustListMenu(ListMenuMask& menu) const
{
    menu = ListMenuMask();
    menu.Show(ListMenuEntry::Launch);
}

bool TToolObject::EditNew(TTreeNode* /*node*/)
{
    return EditInDialog(true);
}

void TToolObject::DefaultAction()
{
    Launch();
}

void TToolObject::Launch()
{
    if (ItemHost* host = ItemHost::Current())
        host->ShellOpen(m_program, LaunchParameters(), WorkingDirectory());
}
