#include "estate/tdlgfcinfocx.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/grid/gridview.h"
#include "estate/areatreeview.h"
#include "estate/housepickerquery.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QSqlQueryModel>
#include <QVBoxLayout>

namespace {

GridColumn column(const char *field, const char *caption, int width, const QString &format = QString())
{
    GridColumn c;
    c.fieldName = QString::fromLatin1(field);
    c.caption = QString::fromUtf8(caption);
    c.width = width;
    c.displayFormat = format;
    return c;
}

}  // namespace

TDLGfcinfoCX::TDLGfcinfoCX(QWidget *owner)
    : QDialog(owner), m_area(new QComboBox(this)), m_building(new QLineEdit(this)), m_room(new QLineEdit(this)),
      m_propertyRight(new QComboBox(this)), m_query(new QPushButton(QStringLiteral("查询"), this)),
      m_tree(new AreaTreeView(this)), m_grid(new GridView(this)), m_houses(new QSqlQueryModel(this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)), m_close(new QPushButton(QStringLiteral("关闭"), this))
{
    setObjectName(QStringLiteral("TDLGfcinfoCX"));
    setWindowTitle(QStringLiteral("房屋信息选择"));
    resize(900, 520);

    m_area->setObjectName(QStringLiteral("cbbXQname"));
    m_building->setObjectName(QStringLiteral("edtLDcode"));
    m_room->setObjectName(QStringLiteral("edtCode"));
    m_propertyRight->setObjectName(QStringLiteral("cbbChanquan"));
    m_query->setObjectName(QStringLiteral("BitBtn3"));
    m_tree->setObjectName(QStringLiteral("tvTree"));
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    // The two drop-downs have no items: the user types.
    m_area->setEditable(true);
    m_propertyRight->setEditable(true);
    m_ok->setAutoDefault(false);
    m_close->setAutoDefault(false);
    m_query->setAutoDefault(false);

    auto *filters = new QGridLayout;
    filters->addWidget(new QLabel(QStringLiteral("小区名称"), this), 0, 0);
    filters->addWidget(m_area, 0, 1);
    filters->addWidget(new QLabel(QStringLiteral("楼幢号"), this), 0, 2);
    filters->addWidget(m_building, 0, 3);
    filters->addWidget(new QLabel(QStringLiteral("门牌编号"), this), 1, 0);
    filters->addWidget(m_room, 1, 1);
    filters->addWidget(new QLabel(QStringLiteral("产权状况"), this), 1, 2);
    filters->addWidget(m_propertyRight, 1, 3);
    filters->addWidget(m_query, 0, 4, 2, 1);

    const QString areaFormat = QStringLiteral(",0.##;-,0.##");
    m_grid->setColumns({column("F_curStatus", "房屋状态", 70), column("F_XQname", "小区名称", 100),
                        column("F_LDcode", "楼幢", 50), column("F_DYcode", "单元", 50),
                        column("F_code", "房间编号", 70), column("F_FXtype", "房间户型", 70),
                        column("F_LouCeng", "楼层", 50), column("F_chaoXiang", "朝向", 50),
                        column("F_buildArea", "建筑面积", 70, areaFormat),
                        column("F_useArea", "实用面积", 70, areaFormat), column("F_chanquan", "产权状况", 80),
                        column("F_mem1", "备注", 120)});
    // Several rows may be marked; only the current one counts.
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_grid);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 720});

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(m_query, &QPushButton::clicked, this, &TDLGfcinfoCX::RunQuery);
    connect(m_room, &QLineEdit::textChanged, this, &TDLGfcinfoCX::RunQuery);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &TDLGfcinfoCX::RunQuery);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TDLGfcinfoCX::BuildTree()
{
    m_tree->setAreas(estate::AreaTree::load(Session::current().areaScope(), false, dmData().ADOcnn()));
}

void TDLGfcinfoCX::RunQuery()
{
    const std::optional<estate::AreaTreeSelection> node = m_tree->selection();
    if (!node)
        return;
    estate::HousePickerFilters filters;
    filters.area = m_area->currentText();
    filters.building = m_building->text();
    filters.room = m_room->text();
    filters.propertyRight = m_propertyRight->currentText();
    const BoundStatement statement = estate::HousePickerQuery::build(
        &*node, filters, Session::current().areaScope(), db::Dialect::of(dmData().ADOcnn()));
    if (dmData().OpenQuery(m_houses, statement.sql, statement.binds)) {
        m_grid->setRecordSet(m_houses);
        m_queryOpen = true;
        if (m_grid->rowCount() > 0)
            m_grid->setCurrentRow(0);
    }
}

std::optional<int> TDLGfcinfoCX::currentHouse() const
{
    const int row = m_grid->currentRow();
    if (!m_queryOpen || row < 0)
        return std::nullopt;
    return m_grid->value(row, QStringLiteral("F_ID")).toInt();
}

int TDLGfcinfoCX::Result(int callerValue) const
{
    return estate::HousePickerQuery::result(callerValue, result() == QDialog::Accepted, currentHouse());
}

int TDLGfcinfoCX::PickHouse(int callerValue)
{
    BuildTree();
    exec();
    return Result(callerValue);
}
