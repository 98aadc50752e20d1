#include "app/grid/tfrmdispfieldxz.h"

#include "app/dialogbuttons.h"
#include "app/grid/gridview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QVBoxLayout>

TFrmDispFieldXZ::TFrmDispFieldXZ(const QStringList &captions, const QList<bool> &visible, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("TFrmDispFieldXZ"));
    setWindowTitle(QStringLiteral("字段列表"));
    m_list->setObjectName(QStringLiteral("CheckListBox1"));
    for (int i = 0; i < captions.size(); ++i) {
        auto *item = new QListWidgetItem(captions.at(i), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(i < visible.size() && visible.at(i) ? Qt::Checked : Qt::Unchecked);
    }

    QHBoxLayout *buttons = DialogButtons::okCancel(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(240, 360);
}

QList<bool> TFrmDispFieldXZ::ticks() const
{
    QList<bool> out;
    for (int i = 0; i < m_list->count(); ++i)
        out << (m_list->item(i)->checkState() == Qt::Checked);
    return out;
}

void TFrmDispFieldXZ::setTick(int item, bool ticked)
{
    if (QListWidgetItem *it = m_list->item(item))
        it->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool ChooseColumns(GridView *grid)
{
    const GridColumns columns = grid->columns();
    QStringList captions;
    QList<bool> visible;
    for (const GridColumn &c : columns) {
        captions << c.caption;
        visible << c.visible;
    }
    TFrmDispFieldXZ dialog(captions, visible, grid);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QList<bool> ticks = dialog.ticks();
    for (int i = 0; i < columns.size() && i < ticks.size(); ++i)
        grid->setColumnVisible(grid->horizontalHeader()->logicalIndex(i), ticks.at(i));
    return true;
}
