#include "estate/tfrmpublicsetgl.h"

#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "estate/gridcelldelegate.h"
#include "estate/registerwindowdefs.h"
#include "estate/scopedliststatement.h"
#include "estate/tfrmpublicsetedit.h"

#include <QCheckBox>
#include <QHBoxLayout>

TfrmPublicSetGL::TfrmPublicSetGL(QWidget *parent)
    : RecordListWindow(RegisterWindowDefs::facilities(), parent),
      m_includeStopped(new QCheckBox(QStringLiteral("包含已停用"), this))
{
    m_includeStopped->setObjectName(QStringLiteral("CheckBox2"));
    if (auto *row = qobject_cast<QHBoxLayout *>(filterBar()->layout()))
        row->insertWidget(row->count() - 1, m_includeStopped);
    connect(m_includeStopped, &QCheckBox::clicked, this, &TfrmPublicSetGL::RefreshList);
    auto *cells = new GridCellDelegate(grid());
    cells->flagRowsBy(QStringLiteral("F_useFlag"));
    grid()->setItemDelegate(cells);
}

BoundStatement TfrmPublicSetGL::listStatement() const
{
    ClauseBuilder own(QStringLiteral("own"));
    if (!m_includeStopped->isChecked())
        own.addCondition(QStringLiteral(" and COALESCE(F_useFlag,0) = 0 "));
    return ScopedListStatement::build(definition(), filterBar(), own);
}

RecordEditWindow *TfrmPublicSetGL::createEditWindow()
{
    return new TfrmPublicSetEdit(definition().editor, this);
}

bool TfrmPublicSetGL::confirmDelete()
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前设施")
                                                    + currentValue(QStringLiteral("F_name")).toString()
                                                    + QStringLiteral("吗？"));
}
