#include "estate/tfrmcarposgl.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/formplacement.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/windowtoolbar.h"
#include "estate/gridsidepanel.h"
#include "estate/parkinglistquery.h"
#include "estate/parkingrules.h"
#include "estate/parkingwindowdefs.h"
#include "estate/tfrmcarposedit.h"
#include "estate/tfrmcarposedit1.h"
#include "estate/toolbarplacement.h"
#include "estate/valuelistpanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSqlQuery>
#include <QToolButton>

using estate::ParkingListQuery;

TfrmCarPosGL::TfrmCarPosGL(QWidget *parent)
    : RecordListWindow(ParkingWindowDefs::listWindow(), parent),
      m_values(new ValueListPanel(ParkingListQuery::listKinds(), this))
{
    ToolbarPlacement::insertBefore(toolBar(), QStringLiteral("tbEdit"), QStringLiteral("tbPZ"), QStringLiteral("销售"),
                                   QStyle::SP_DialogApplyButton);
    const auto rewire = [this](const char *name, void (TfrmCarPosGL::*action)()) {
        QToolButton *b = button(QString::fromLatin1(name));
        disconnect(b, &QToolButton::clicked, this, nullptr);
        connect(b, &QToolButton::clicked, this, action);
    };
    rewire("tbNew", &TfrmCarPosGL::newSpace);
    rewire("tbPZ", &TfrmCarPosGL::sellSpace);
    rewire("tbEdit", &TfrmCarPosGL::changeSpace);
    disconnect(grid(), &QAbstractItemView::doubleClicked, this, nullptr);
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] {
        if (button(QStringLiteral("tbEdit"))->isEnabled())
            changeSpace();
    });

    auto *toggle = new QToolButton(this);
    toggle->setObjectName(QStringLiteral("SpeedButton2"));
    toggle->setText(QStringLiteral("列表"));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    if (auto *row = qobject_cast<QHBoxLayout *>(filterBar()->layout()))
        row->insertWidget(0, toggle);
    GridSidePanel::placeLeft(this, grid(), m_values, 160);
    connect(toggle, &QToolButton::toggled, m_values, &QWidget::setVisible);
    connect(m_values, &ValueListPanel::kindChanged, this, &TfrmCarPosGL::FillValueList);
    connect(m_values, &ValueListPanel::refreshClicked, this, &TfrmCarPosGL::FillValueList);
    connect(m_values, &ValueListPanel::rowClicked, this, &TfrmCarPosGL::RefreshList);
}

TfrmCarPosGL::~TfrmCarPosGL() = default;

void TfrmCarPosGL::FillValueList()
{
    const auto kind = ParkingListQuery::ListKind(m_values->kind() + 1);
    QSqlQuery query = dmData().Query();
    QStringList values;
    if (dmData().OpenQuery(query, ParkingListQuery::valueListStatement(kind))) {
        while (query.next())
            values << query.value(0).toString();
    }
    m_values->fill(values, ParkingListQuery::listTitle(kind), [this] { RefreshList(); });
}

BoundStatement TfrmCarPosGL::listStatement() const
{
    const std::optional<QString> chosen = m_values->selectedValue();
    return ParkingListQuery::build(filterBar()->fieldSelector()->currentIndex(), filterBar()->textBox()->text(),
                                   ParkingListQuery::ListKind(m_values->kind() + 1), chosen ? &*chosen : nullptr,
                                   Session::current().areaScope(), db::Dialect::of(dmData().ADOcnn()));
}

void TfrmCarPosGL::openWindow()
{
    LoadGridConfig(grid(), definition().gridKey);
    FillValueList();
    applyDisplayFormats();
}

bool TfrmCarPosGL::confirmDelete()
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前车位编号 为 ")
                                                    + currentValue(QStringLiteral("F_code")).toString()
                                                    + QStringLiteral(" 车位记录吗？"));
}

QList<QWidget *> TfrmCarPosGL::snapshotCompanions()
{
    auto *sale = new TfrmCarPosEdit1(this);
    sale->ApplyMode(TfrmCarPosEdit1::SaleMode);
    sale->LoadFields(false);
    return {new TfrmCarPosEdit(this), sale};
}

void TfrmCarPosGL::newSpace()
{
    TfrmCarPosEdit editor(this);
    DispFormPos(&editor, FormPlacement::Dialog);
    editor.exec();
}

void TfrmCarPosGL::runSaleWindow(int mode)
{
    TfrmCarPosEdit1 editor(this);
    DispFormPos(&editor, FormPlacement::Dialog);
    editor.OpenInMode(mode);
}

void TfrmCarPosGL::sellSpace()
{
    if (!hasRows()) {
        ShowMess(QStringLiteral("此表为空，没有车位需要销售或租赁！"), MessError);
        return;
    }
    const QString refusal =
        estate::ParkingRules::saleRefusal(currentValue(QStringLiteral("F_CQstatus")).toString());
    if (!refusal.isEmpty()) {
        ShowMess(refusal, MessInformation);
        return;
    }
    runSaleWindow(TfrmCarPosEdit1::SaleMode);
}

void TfrmCarPosGL::changeSpace()
{
    if (!hasRows()) {
        ShowMess(QStringLiteral("此表为空，没有车位需要修改！"), MessError);
        return;
    }
    runSaleWindow(TfrmCarPosEdit1::ChangeMode);
}
