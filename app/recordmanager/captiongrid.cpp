#include "app/recordmanager/captiongrid.h"

#include <QLabel>

CaptionGrid::CaptionGrid(QWidget *labelParent, int pairsPerRow)
    : m_labelParent(labelParent), m_pairsPerRow(qMax(1, pairsPerRow))
{
}

void CaptionGrid::add(int row, int pair, const QString &caption, QWidget *input)
{
    addCaption(row, pair, caption, input, Qt::AlignVCenter);
    addWidget(input, row, pair * 2 + 1);
}

void CaptionGrid::addWide(int row, const QString &caption, QWidget *input)
{
    addCaption(row, 0, caption, input, Qt::AlignTop);
    addWidget(input, row, 1, 1, m_pairsPerRow * 2 - 1);
}

void CaptionGrid::addCaption(int row, int pair, const QString &caption, QWidget *input, Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, m_labelParent);
    label->setBuddy(input);
    addWidget(label, row, pair * 2, Qt::AlignRight | alignment);
}
