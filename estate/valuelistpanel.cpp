#include "estate/valuelistpanel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ValueListPanel::ValueListPanel(const QStringList &kinds, QWidget *parent)
    : QWidget(parent), m_kinds(new QComboBox(this)), m_list(new QTableWidget(0, 2, this)),
      m_refresh(new QPushButton(QStringLiteral("刷新列表"), this))
{
    setObjectName(QStringLiteral("pnlValueList"));
    m_kinds->setObjectName(QStringLiteral("cbbListType"));
    m_kinds->addItems(kinds);
    m_list->setObjectName(QStringLiteral("vleList"));
    m_refresh->setObjectName(QStringLiteral("Button1"));
    m_refresh->setAutoDefault(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 36);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_kinds);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_refresh);

    connect(m_kinds, &QComboBox::currentIndexChanged, this, &ValueListPanel::kindChanged);
    connect(m_refresh, &QPushButton::clicked, this, &ValueListPanel::refreshClicked);
    connect(m_list, &QTableWidget::currentCellChanged, this, [this] {
        if (!m_filling)
            emit rowClicked();
    });
}

int ValueListPanel::kind() const
{
    return qMax(0, m_kinds->currentIndex());
}

void ValueListPanel::fill(const QStringList &values, const QString &title, const std::function<void()> &runAfterAll)
{
    m_filling = true;
    m_list->setRowCount(0);
    m_list->setRowCount(1);
    m_list->setItem(0, 0, new QTableWidgetItem(QStringLiteral("0")));
    m_list->setItem(0, 1, new QTableWidgetItem(QStringLiteral("全部")));
    m_list->setCurrentCell(0, 1);
    m_filling = false;
    if (runAfterAll)
        runAfterAll();
    m_filling = true;
    m_list->setHorizontalHeaderLabels({QString(), title});
    for (int i = 0; i < values.size(); ++i) {
        m_list->insertRow(i + 1);
        m_list->setItem(i + 1, 0, new QTableWidgetItem(QString::number(i + 1)));
        m_list->setItem(i + 1, 1, new QTableWidgetItem(values.at(i)));
    }
    m_filling = false;
}

std::optional<QString> ValueListPanel::selectedValue() const
{
    const int row = m_list->currentRow();
    if (row <= 0 || !m_list->item(row, 1))
        return std::nullopt;
    return m_list->item(row, 1)->text();
}

QStringList ValueListPanel::values() const
{
    QStringList out;
    for (int row = 1; row < m_list->rowCount(); ++row)
        out << m_list->item(row, 1)->text();
    return out;
}

bool ValueListPanel::selectValue(const QString &value)
{
    for (int row = 1; row < m_list->rowCount(); ++row) {
        if (m_list->item(row, 1)->text() == value) {
            m_list->setCurrentCell(row, 1);
            return true;
        }
    }
    return false;
}
