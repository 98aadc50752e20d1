#include "estate/tfrmyjinfogl.h"

#include "app/datamodule.h"
#include "app/grid/gridconfig.h"
#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "db/dialect.h"
#include "estate/gridsidepanel.h"
#include "estate/registerwindowdefs.h"
#include "estate/scopedliststatement.h"
#include "estate/tfrmyjinfoedit.h"
#include "estate/valuelistpanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSqlQuery>
#include <QToolButton>

TfrmYJinfoGL::TfrmYJinfoGL(QWidget *parent)
    : RecordListWindow(RegisterWindowDefs::suggestions(), parent),
      m_values(new ValueListPanel(RegisterWindowDefs::suggestionKinds(), this))
{
    auto *row = qobject_cast<QHBoxLayout *>(filterBar()->layout());
    // "包含已停用" only refreshes; no condition depends on it.
    auto *includeStopped = new QCheckBox(QStringLiteral("包含已停用"), this);
    includeStopped->setObjectName(QStringLiteral("CheckBox2"));
    auto *toggle = new QToolButton(this);
    toggle->setObjectName(QStringLiteral("SpeedButton2"));
    toggle->setText(QStringLiteral("列表"));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    if (row) {
        row->insertWidget(row->count() - 1, includeStopped);
        row->insertWidget(0, toggle);
    }
    GridSidePanel::placeLeft(this, grid(), m_values, 160);
    connect(includeStopped, &QCheckBox::clicked, this, &TfrmYJinfoGL::RefreshList);
    connect(toggle, &QToolButton::toggled, m_values, &QWidget::setVisible);
    connect(m_values, &ValueListPanel::kindChanged, this, &TfrmYJinfoGL::FillValueList);
    connect(m_values, &ValueListPanel::refreshClicked, this, &TfrmYJinfoGL::FillValueList);
    connect(m_values, &ValueListPanel::rowClicked, this, &TfrmYJinfoGL::RefreshList);
}

void TfrmYJinfoGL::FillValueList()
{
    const int kind = m_values->kind();
    const QString column = RegisterWindowDefs::suggestionKindColumn(kind);
    QSqlQuery query = dmData().Query();
    QStringList values;
    const QString sql = QStringLiteral("select distinct %1 as F_name from T_YJinfo where (%1 <> '') group by %1 "
                                       "order by %1")
                            .arg(column);
    if (dmData().OpenQuery(query, sql)) {
        while (query.next())
            values << query.value(0).toString();
    }
    m_values->fill(values, RegisterWindowDefs::suggestionKinds().value(kind), [this] { RefreshList(); });
}

BoundStatement TfrmYJinfoGL::listStatement() const
{
    ClauseBuilder own(QStringLiteral("own"));
    if (const std::optional<QString> chosen = m_values->selectedValue()) {
        const QString column = RegisterWindowDefs::suggestionKindColumn(m_values->kind());
        own.addCondition(QStringLiteral(" and COALESCE(") + column + QStringLiteral(",'') = :listValue")
                             + db::Dialect::of(dmData().ADOcnn()).nocase() + QLatin1Char(' '),
                         {{QStringLiteral(":listValue"), *chosen}});
    }
    return ScopedListStatement::build(definition(), filterBar(), own);
}

void TfrmYJinfoGL::openWindow()
{
    LoadGridConfig(grid(), definition().gridKey);
    FillValueList();
    RefreshList();
}

RecordEditWindow *TfrmYJinfoGL::createEditWindow()
{
    return new TfrmYJinfoEdit(definition().editor, this);
}

bool TfrmYJinfoGL::confirmDelete()
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前单据编号")
                                                    + currentValue(QStringLiteral("F_code")).toString()
                                                    + QStringLiteral("吗？"));
}
