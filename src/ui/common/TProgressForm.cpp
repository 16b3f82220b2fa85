#include "ui/common/TProgressForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TProgressForm"));
    setWindowTitle(QStringLiteral("Progress"));
    m_action = new QLabel(this);
    m_action->setObjectName(QStringLiteral("ActionLabel"));
    m_action->setTextFormat(Qt::PlainText);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setTextVisible(false);
    m_percent = new QLabel(QStringLiteral("0%"), this);
    m_percent->setObjectName(QStringLiteral("PercentLabel"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("ResultLabel"));
    m_result->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_action);
    layout->addWidget(m_bar);
    layout->addWidget(m_percent);
    layout->addWidget(m_result);
    setMinimumWidth(320);
    m_sinceRepaint.start();
}

void TProgressForm::SetMaximum(int maximum)
{
    m_bar->setMaximum(maximum);
}

QString TProgressForm::PercentText() const
{
    const int maximum = m_bar->maximum();
    const int percent = maximum > 0 ? static_cast<int>(static_cast<qint64>(m_bar->value()) * 100 / maximum) : 0;
    return QStringLiteral("%1%").arg(percent);
}

void TProgressForm::SetPosition(int position)
{
    m_bar->setValue(position);
    m_percent->setText(PercentText());
    RepaintSoon();
}

void TProgressForm::SetActionText(const QString& text)
{
    m_action->setText(text);
    RepaintSoon(true);
}

void TProgressForm::SetResultText(const QString& text)
{
    m_result->setText(text);
    RepaintSoon(true);
}

void TProgressForm::RepaintSoon(bool force)
{
    if (!isVisible() || (!force && m_sinceRepaint.elapsed() < 50))
        return;
    m_sinceRepaint.restart();
    repaint();
}
