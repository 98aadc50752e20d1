#include "app/recordmanager/statuspanels.h"

#include <QLabel>

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel") + QString::number(i + 1));
        m_panels[i]->setMinimumWidth(i == 2 ? 140 : 40);
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
    }
    addWidget(m_panels[0]);
    addWidget(m_panels[1]);
    addWidget(m_panels[2]);
    m_panels[3]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addWidget(m_panels[3], 1);
}

QString StatusPanels::companyLabel()
{
    return QStringLiteral("Korrin物业管理软件(网络版)");
}

void StatusPanels::setPanelText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= 4)
        m_panels[panel - 1]->setText(text);
}

QString StatusPanels::panelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? m_panels[panel - 1]->text() : QString();
}
