#include "ui/shell/TTipBar.h"

#include "ui/common/CommaText.h"
#include "ui/common/ImageLists.h"
#include "ui/help/THelpBrowser.h"
#include "ui/common/UiResources.h"

#include <QFile>
#include <QLabel>
#include <QMetaMethod>
#include <QRandomGenerator>
#include <QToolButton>

#include <algorithm>

TTipBar::TTipBar(QWidget* parent)
    : QToolBar(QStringLiteral("Tip Bar"), parent)
    , m_label(new QLabel(this))
    , m_bulb(new QToolButton(this))
    , m_previous(new QToolButton(this))
    , m_next(new QToolButton(this))
{
    InitUiResources();
    setObjectName(QStringLiteral("TipBar1"));

    m_bulb->setIcon(ImageLists::BulbIcon());
    m_bulb->setIconSize(QSize(24, 24));
    m_bulb->setToolTip(QStringLiteral("Help with Tip..."));
    m_bulb->setAutoRaise(true);
    connect(m_bulb, &QToolButton::clicked, this, &TTipBar::OpenTipHelp);
    addWidget(m_bulb);

    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAutoFillBackground(true);
    m_label->setBackgroundRole(QPalette::ToolTipBase);
    m_label->setForegroundRole(QPalette::ToolTipText);
    m_label->setFrameShape(QFrame::StyledPanel);
    m_label->setMargin(3);
    // Two lines of about 60 characters in the tip font: every tip of the program fits.
    m_label->setFixedWidth(std::max(325, 60 * m_label->fontMetrics().averageCharWidth() + 10));
    m_label->setFixedHeight(2 * m_label->fontMetrics().lineSpacing() + 10);
    addWidget(m_label);

    m_previous->setArrowType(Qt::LeftArrow);
    m_previous->setToolTip(QStringLiteral("Previous Tip"));
    m_previous->setAutoRaise(true);
    connect(m_previous, &QToolButton::clicked, this, &TTipBar::PreviousTip);
    addWidget(m_previous);
    m_next->setArrowType(Qt::RightArrow);
    m_next->setToolTip(QStringLiteral("Next Tip"));
    m_next->setAutoRaise(true);
    connect(m_next, &QToolButton::clicked, this, &TTipBar::NextTip);
    addWidget(m_next);

    UpdateControls();
}

QStringList TTipBar::DefaultTips()
{
    InitUiResources();
    QFile file(QStringLiteral(":/tips/tips.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    const QStringList all = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : all)
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}

void TTipBar::SetTipFile(const QStringList& lines)
{
    m_lines = lines;
    m_position = 0;
    UpdateControls();
}

QString TTipBar::CurrentText() const
{
    if (m_position >= TipCount())
        return {};
    const QStringList fields = CommaText::Split(m_lines.at(m_position));
    return fields.isEmpty() ? QString() : fields.first();
}

int TTipBar::CurrentHelpContext() const
{
    if (m_position >= TipCount())
        return -1;
    const QStringList fields = CommaText::Split(m_lines.at(m_position));
    if (fields.size() < 2)
        return -1;
    bool ok = false;
    const int context = fields.at(1).toInt(&ok);
    // A number that does not read opens the contents.
    return ok && context >= 0 ? context : 0;
}

void TTipBar::ShowTip(int index)
{
    m_position = std::clamp(index, 0, std::max(0, TipCount() - 1));
    UpdateControls();
}

void TTipBar::NextTip()
{
    ShowTip(m_position + 1);
}

void TTipBar::PreviousTip()
{
    ShowTip(m_position - 1);
}

void TTipBar::ShowRandomTip()
{
    const int count = TipCount();
    ShowTip(count > 1 ? static_cast<int>(QRandomGenerator::global()->bounded(count - 1)) : 0);
}

void TTipBar::OpenTipHelp()
{
    const int context = CurrentHelpContext();
    if (context < 0)
        return;
    Q_EMIT HelpRequested(context);
    if (!isSignalConnected(QMetaMethod::fromSignal(&TTipBar::HelpRequested)))
        THelpBrowser::OpenContext(context);
}

void TTipBar::UpdateControls()
{
    m_label->setText(CurrentText());
    m_bulb->setEnabled(CurrentHelpContext() >= 0);
    m_previous->setEnabled(m_position > 0);
    m_next->setEnabled(m_position + 1 < TipCount());
}
