#include "estate/tfrmxlinfogl.h"

#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "estate/registerwindowdefs.h"
#include "estate/tfrmxlinfoedit.h"

#include <QCheckBox>
#include <QHBoxLayout>

TfrmXLinfoGL::TfrmXLinfoGL(QWidget *parent) : RecordListWindow(RegisterWindowDefs::patrol(), parent)
{
    // "包含已停用" only refreshes; no condition depends on it.
    auto *includeStopped = new QCheckBox(QStringLiteral("包含已停用"), this);
    includeStopped->setObjectName(QStringLiteral("CheckBox2"));
    if (auto *row = qobject_cast<QHBoxLayout *>(filterBar()->layout()))
        row->insertWidget(row->count() - 1, includeStopped);
    connect(includeStopped, &QCheckBox::clicked, this, &TfrmXLinfoGL::RefreshList);
}

RecordEditWindow *TfrmXLinfoGL::createEditWindow()
{
    return new TfrmXLinfoEdit(definition().editor, this);
}

bool TfrmXLinfoGL::confirmDelete()
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前巡逻资料")
                                                    + currentValue(QStringLiteral("F_code")).toString()
                                                    + QStringLiteral("吗？"));
}
