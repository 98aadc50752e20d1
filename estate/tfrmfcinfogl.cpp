#include "estate/tfrmfcinfogl.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/formplacement.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/windowtoolbar.h"
#include "estate/areatreeview.h"
#include "estate/gridcelldelegate.h"
#include "estate/gridsidepanel.h"
#include "estate/houselistquery.h"
#include "estate/houserules.h"
#include "estate/housewindowdefs.h"
#include "estate/tdlgfcinfocx.h"
#include "estate/tfrmfcinfoedit.h"
#include "estate/toolbarplacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QVBoxLayout>

using estate::HouseMode;

TfrmFCinfoGL::TfrmFCinfoGL(QWidget *parent)
    : RecordListWindow(HouseWindowDefs::listWindow(), parent), m_tree(new AreaTreeView(this)),
      m_includeStopped(new QCheckBox(QStringLiteral("包含已停用"), this)), m_status(new QButtonGroup(this))
{
    WindowToolBar *bar = toolBar();
    ToolbarPlacement::insertBefore(bar, QStringLiteral("tbEdit"), QStringLiteral("tbSale"), QStringLiteral("销售"),
                                   QStyle::SP_DialogApplyButton);
    ToolbarPlacement::insertBefore(bar, QStringLiteral("tbDel"), QStringLiteral("tbRZ"), QStringLiteral("入住"),
                                   QStyle::SP_DirHomeIcon);
    ToolbarPlacement::insertBefore(bar, QStringLiteral("tbDel"), QStringLiteral("tbZK"), QStringLiteral("置空"),
                                   QStyle::SP_DialogResetButton);
    ToolbarPlacement::insertBefore(bar, QStringLiteral("tbDel"), QStringLiteral("tbCopy"), QStringLiteral("复制"),
                                   QStyle::SP_FileDialogNewFolder);
    rewire(QStringLiteral("tbNew"), &TfrmFCinfoGL::newHouse);
    rewire(QStringLiteral("tbEdit"), &TfrmFCinfoGL::changeHouse);
    rewire(QStringLiteral("tbDel"), &TfrmFCinfoGL::deleteHouse);
    rewire(QStringLiteral("tbSale"), &TfrmFCinfoGL::sellHouse);
    rewire(QStringLiteral("tbRZ"), &TfrmFCinfoGL::moveIn);
    rewire(QStringLiteral("tbZK"), &TfrmFCinfoGL::vacate);
    rewire(QStringLiteral("tbCopy"), &TfrmFCinfoGL::copyHouse);
    // The design menu names its layouts in its own words.
    if (QToolButton *design = button(QStringLiteral("tbset")); design && design->menu()) {
        const QList<QAction *> entries = design->menu()->actions();
        const QStringList captions = {QStringLiteral("设置房屋档案列表"), QStringLiteral("设置房屋档案详单")};
        for (int i = 0; i < entries.size() && i < captions.size(); ++i)
            entries.at(i)->setText(captions.at(i));
    }

    // The grid's double click changes the house, the filter bar refreshes through the tree's rules.
    disconnect(grid(), &QAbstractItemView::doubleClicked, this, nullptr);
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] {
        if (button(QStringLiteral("tbEdit"))->isEnabled())
            changeHouse();
    });
    disconnect(filterBar(), &FilterBar::refreshRequested, this, nullptr);
    connect(filterBar(), &FilterBar::refreshRequested, this, &TfrmFCinfoGL::RefreshHouses);
    connect(filterBar()->fieldSelector(), &QComboBox::currentIndexChanged, this, &TfrmFCinfoGL::onFieldItemChanged);

    auto *statusBox = new QGroupBox(this);
    statusBox->setObjectName(QStringLiteral("RadioGroup1"));
    auto *statusLayout = new QHBoxLayout(statusBox);
    statusLayout->setContentsMargins(4, 2, 4, 2);
    const QStringList statuses = estate::HouseListQuery::statusItems();
    for (int i = 0; i < statuses.size(); ++i) {
        auto *radio = new QRadioButton(statuses.at(i), statusBox);
        radio->setObjectName(QStringLiteral("rbStatus%1").arg(i));
        m_status->addButton(radio, i);
        statusLayout->addWidget(radio);
    }
    m_status->button(0)->setChecked(true);
    statusLayout->addStretch();
    addAboveGrid(statusBox);
    connect(m_status, &QButtonGroup::idClicked, this, &TfrmFCinfoGL::RefreshHouses);

    auto *toggle = new QToolButton(this);
    toggle->setObjectName(QStringLiteral("SpeedButton2"));
    toggle->setText(QStringLiteral("小区"));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    statusLayout->insertWidget(0, toggle);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlTree"));
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    m_tree->setObjectName(QStringLiteral("tvTree"));
    m_includeStopped->setObjectName(QStringLiteral("CheckBox2"));
    panelLayout->addWidget(m_tree, 1);
    panelLayout->addWidget(m_includeStopped);
    GridSidePanel::placeLeft(this, grid(), panel);
    connect(toggle, &QToolButton::toggled, panel, &QWidget::setVisible);
    connect(m_includeStopped, &QCheckBox::clicked, this, &TfrmFCinfoGL::RefreshHouses);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &TfrmFCinfoGL::RefreshHouses);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &TfrmFCinfoGL::RefreshHouses);

    auto *cells = new GridCellDelegate(grid());
    cells->blankEmptyDates({QStringLiteral("F_RZdate")});
    grid()->setItemDelegate(cells);

    BuildAreaTree();
}

TfrmFCinfoGL::~TfrmFCinfoGL() = default;

void TfrmFCinfoGL::rewire(const QString &name, void (TfrmFCinfoGL::*action)())
{
    QToolButton *b = button(name);
    disconnect(b, &QToolButton::clicked, this, nullptr);
    connect(b, &QToolButton::clicked, this, action);
}

void TfrmFCinfoGL::BuildAreaTree()
{
    const QSignalBlocker block(m_tree);
    m_tree->setAreas(estate::AreaTree::load(Session::current().areaScope(), true, dmData().ADOcnn()));
}

void TfrmFCinfoGL::onFieldItemChanged(int index)
{
    // The owner's sex is chosen from two fixed items.
    const QList<estate::FilterItem> items = estate::HouseListQuery::filterItems();
    if (index < 0 || index >= items.size() || items.at(index).fixedItems.isEmpty())
        return;
    QComboBox *values = filterBar()->valueList();
    {
        const QSignalBlocker block(values);
        values->clear();
        values->addItems(items.at(index).fixedItems);
        values->setCurrentIndex(-1);
    }
    values->show();
    filterBar()->textBox()->hide();
}

BoundStatement TfrmFCinfoGL::listStatement() const
{
    const std::optional<estate::AreaTreeSelection> node = m_tree->selection();
    const int item = filterBar()->fieldSelector()->currentIndex();
    const QList<estate::FilterItem> items = estate::HouseListQuery::filterItems();
    const bool dropDown = item >= 0 && item < items.size() && items.at(item).usesDropDown();
    const QString value = dropDown ? filterBar()->valueList()->currentText() : filterBar()->textBox()->text();
    return estate::HouseListQuery::build(node ? &*node : nullptr, m_status->checkedId(), item, value,
                                         db::Dialect::of(dmData().ADOcnn()));
}

void TfrmFCinfoGL::RefreshHouses()
{
    if (!m_tree->selection())
        return;
    RefreshList();
}

void TfrmFCinfoGL::reopenHouses()
{
    if (!lastStatement().sql.isEmpty())
        reopenTable();
}

void TfrmFCinfoGL::openWindow()
{
    LoadGridConfig(grid(), definition().gridKey);
    applyDisplayFormats();
    RefreshHouses();
}

void TfrmFCinfoGL::applyDisplayFormats()
{
    for (int c = 0; c < grid()->gridModel()->columns().size(); ++c) {
        if (grid()->gridModel()->columns().at(c).fieldName.contains(QStringLiteral("area"), Qt::CaseInsensitive))
            grid()->setColumnDisplayFormat(c, dmData().AmountFormat());
    }
}

bool TfrmFCinfoGL::hasHouseIn(const QString &area, const QString &building) const
{
    return dmData().LookupInt(QStringLiteral("select F_ID from T_FCinfo where F_XQname = :area and F_LDcode = :building"),
                              {{QStringLiteral(":area"), area.trimmed()},
                               {QStringLiteral(":building"), building.trimmed()}})
           > 0;
}

void TfrmFCinfoGL::runEditWindow(HouseMode mode)
{
    TfrmFCinfoEdit editor(this);
    DispFormPos(&editor, FormPlacement::Dialog);
    editor.OpenInMode(mode);
}

QList<QWidget *> TfrmFCinfoGL::snapshotCompanions()
{
    auto *editor = new TfrmFCinfoEdit(this);
    editor->PrepareMode(HouseMode::New);
    auto *picker = new TDLGfcinfoCX(this);
    picker->BuildTree();
    return {editor, picker};
}

void TfrmFCinfoGL::newHouse()
{
    runEditWindow(HouseMode::New);
}

void TfrmFCinfoGL::changeHouse()
{
    if (!hasRows()) {
        ShowMess(kEmptyTable, MessError);
        return;
    }
    runEditWindow(HouseMode::Change);
}

void TfrmFCinfoGL::copyHouse()
{
    if (!hasRows()) {
        ShowMess(QStringLiteral("此表为空，没有记录能够复制！"), MessError);
        return;
    }
    runEditWindow(HouseMode::Copy);
}

void TfrmFCinfoGL::sellHouse()
{
    if (!hasRows()) {
        ShowMess(QStringLiteral("此表为空，没有房屋销售！"), MessError);
        return;
    }
    const QString refusal = estate::HouseRules::saleRefusal(currentValue(QStringLiteral("F_curStatus")).toString());
    if (!refusal.isEmpty()) {
        ShowMess(refusal, MessInformation);
        return;
    }
    runEditWindow(HouseMode::Sale);
}

void TfrmFCinfoGL::moveIn()
{
    if (!hasRows()) {
        ShowMess(QStringLiteral("此表为空，房屋没有入住！"), MessError);
        return;
    }
    runEditWindow(HouseMode::MoveIn);
}

void TfrmFCinfoGL::vacate()
{
    if (!hasRows())
        return;
    const QString question = QStringLiteral("真的要置空当前所选的房间编号为“") + currentValue(QStringLiteral("F_code")).toString()
                             + QStringLiteral("”的房间吗？");
    if (ShowMess(question, MessQuestion) == AnswerNo)
        return;
    const QVariant id = currentValue(QStringLiteral("F_ID"));
    const estate::RuleOutcome outcome = estate::HouseRules(dmData().ADOcnn()).vacate(id.toInt());
    if (!outcome.isDone()) {
        ShowMess(outcome.message, outcome.kind);
        return;
    }
    reopenHouses();
    locateId(id);
}

void TfrmFCinfoGL::deleteHouse()
{
    if (!hasRows())
        return;
    const int id = currentValue(QStringLiteral("F_ID")).toInt();
    const estate::HouseRules rules(dmData().ADOcnn());
    estate::RuleOutcome outcome = rules.checkDelete(id);
    if (outcome.isDone()) {
        const QString question = QStringLiteral("真的要删除房间号为 \"") + currentValue(QStringLiteral("F_code")).toString()
                                 + QStringLiteral("\" 的房间吗？");
        if (!AskOkCancel(QStringLiteral("系统提示"), question))
            return;
        outcome = rules.remove(id);
    }
    if (!outcome.isDone()) {
        ShowMess(outcome.message, outcome.kind);
        return;
    }
    reopenHouses();
}
