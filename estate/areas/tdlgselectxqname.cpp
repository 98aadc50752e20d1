#include "estate/areas/tdlgselectxqname.h"

#include "access/areascope.h"
#include "app/datamodule.h"
#include "app/dialogbuttons.h"
#include "app/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QVBoxLayout>

TDLGselectXQname::TDLGselectXQname(QWidget *parent) : QDialog(parent), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("TDLGselectXQname"));
    setWindowTitle(QStringLiteral("小区选择"));
    m_list->setObjectName(QStringLiteral("clbItemList"));
    // Two columns, filled row by row.
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);

    QHBoxLayout *buttons = DialogButtons::okCancel(this, DialogButtons::NoDefault);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请从以下列表中勾选所需项目："), this));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(360, 320);
}

void TDLGselectXQname::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutColumns();
}

void TDLGselectXQname::layoutColumns()
{
    const int width = qMax(60, (m_list->viewport()->width() - 4) / 2);
    m_list->setGridSize(QSize(width, m_list->fontMetrics().height() + 8));
}

QString TDLGselectXQname::ChooseAreas(const QString &preselection)
{
    QSqlQuery q(dmData().ADOcnn());
    q.setForwardOnly(true);
    QStringList names;
    if (q.exec(QStringLiteral("select F_name from T_XQinfo order by F_ID"))) {
        while (q.next()) {
            const QString name = q.value(0).toString();
            if (!name.trimmed().isEmpty())
                names << name;
        }
    }
    if (names.isEmpty()) {
        ShowMess(QStringLiteral("没有项目选择！"), MessInformation);
        return preselection;
    }
    m_list->clear();
    for (const QString &name : std::as_const(names)) {
        auto *item = new QListWidgetItem(name, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    MarkChosenAreas(preselection);
    layoutColumns();
    if (exec() != QDialog::Accepted)
        return preselection;
    return AreaScope::formatList(tickedNames());
}

QStringList TDLGselectXQname::namesOf(const QString &preselection)
{
    QStringList names;
    if (AreaScope::parseList(preselection, &names))
        return names;
    // Typed by hand and not a clean list: take what lies between the separators.
    const QStringList parts = preselection.split(QRegularExpression(QStringLiteral("[,，]")), Qt::SkipEmptyParts);
    names.clear();
    for (QString part : parts) {
        part = part.trimmed();
        if (part.startsWith(QLatin1Char('\'')))
            part.remove(0, 1);
        if (part.endsWith(QLatin1Char('\'')))
            part.chop(1);
        part.replace(QStringLiteral("''"), QStringLiteral("'"));
        if (!part.trimmed().isEmpty())
            names << part;
    }
    return names;
}

void TDLGselectXQname::MarkChosenAreas(const QString &preselection)
{
    const QStringList chosen = namesOf(preselection);
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        bool ticked = false;
        for (const QString &name : chosen) {
            if (name.trimmed().compare(item->text().trimmed(), Qt::CaseInsensitive) == 0) {
                ticked = true;
                break;
            }
        }
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList TDLGselectXQname::tickedNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked)
            names << m_list->item(i)->text();
    return names;
}
