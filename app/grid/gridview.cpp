#include "app/grid/gridview.h"

#include "app/grid/gridconfig.h"
#include "app/grid/gridfooter.h"
#include "app/grid/gridmodel.h"
#include "app/grid/tfrmdispfieldxz.h"
#include "app/messages.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QSortFilterProxyModel>

GridView::GridView(QWidget *parent)
    : QTableView(parent), m_sorted(new QSortFilterProxyModel(this)), m_model(new GridModel(this)),
      m_footer(new GridFooter(this))
{
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_sorted->setSortRole(Qt::EditRole);
    m_model->setSourceModel(m_sorted);
    setModel(m_model);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    m_footer->hide();

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &GridView::onTitleClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        m_model->noteWidth(logical, size);
        m_footer->update();
    });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &GridView::onRowsReplaced);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &GridView::onRowsReplaced);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &GridView::refreshFooter);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnLayout();
        onRowsReplaced();
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_keepRow)
                    emit currentRowChanged(current.isValid() ? current.row() : -1);
            });

    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *showFields = new QAction(QStringLiteral("显示字段列表"), this);
    showFields->setObjectName(QStringLiteral("N1"));
    connect(showFields, &QAction::triggered, this, [this] { ChooseColumns(this); });
    auto *save = new QAction(QStringLiteral("保存当前设置"), this);
    save->setObjectName(QStringLiteral("N2"));
    connect(save, &QAction::triggered, this, &GridView::saveSettings);
    addAction(showFields);
    addAction(save);
}

GridView::~GridView()
{
    // The proxy goes after this object; its last signals must not reach the grid.
    disconnect(m_model, nullptr, this, nullptr);
    m_model->setSourceModel(nullptr);
}

void GridView::setRecordSet(QAbstractItemModel *records)
{
    clearSort();
    m_sorted->setSourceModel(records);
}

QAbstractItemModel *GridView::records() const
{
    return m_sorted;
}

bool GridView::isOpen() const
{
    return m_sorted->sourceModel() && m_sorted->columnCount() > 0;
}

void GridView::setColumns(const GridColumns &columns)
{
    m_markers.clear();
    horizontalHeader()->setSortIndicatorShown(false);
    m_model->setColumns(columns);
}

void GridView::applyColumnLayout()
{
    const GridColumns &cols = m_model->columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnWidth(i, cols.at(i).width);
        setColumnHidden(i, !cols.at(i).visible);
    }
    refreshFooter();
    updateGeometries();
}

GridColumns GridView::columns() const
{
    GridColumns out;
    const QHeaderView *header = horizontalHeader();
    const GridColumns &cols = m_model->columns();
    for (int visual = 0; visual < cols.size(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical < 0)
            continue;
        GridColumn c = cols.at(logical);
        c.visible = !header->isSectionHidden(logical);
        if (c.visible)
            c.width = header->sectionSize(logical);
        out << c;
    }
    return out;
}

int GridView::columnOfField(const QString &fieldName) const
{
    return m_model->columnOfField(fieldName);
}

void GridView::setColumnVisible(int column, bool visible)
{
    m_model->noteVisible(column, visible);
    setColumnHidden(column, !visible);
    if (visible && columnWidth(column) <= 0)
        setColumnWidth(column, m_model->columns().at(column).width);
    m_footer->update();
}

void GridView::setColumnDisplayFormat(int column, const QString &format)
{
    if (column < 0 || column >= m_model->columnCount())
        return;
    GridColumn c = m_model->columns().at(column);
    c.displayFormat = format;
    m_model->setColumn(column, c);
    refreshFooter();
}

int GridView::rowCount() const
{
    return m_model->rowCount();
}

int GridView::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void GridView::setCurrentRow(int row)
{
    if (row < 0 || row >= rowCount() || m_model->columnCount() == 0) {
        const bool had = currentIndex().isValid();
        selectionModel()->clear();
        if (!had)
            emit currentRowChanged(-1);
        return;
    }
    int column = currentIndex().isValid() ? currentIndex().column() : -1;
    if (column < 0 || isColumnHidden(column)) {
        column = 0;
        for (int visual = 0; visual < m_model->columnCount(); ++visual) {
            const int logical = horizontalHeader()->logicalIndex(visual);
            if (!isColumnHidden(logical)) {
                column = logical;
                break;
            }
        }
    }
    const QModelIndex target = m_model->index(row, column);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

int GridView::recordColumn(const QString &fieldName) const
{
    return m_model->sourceColumnOf(fieldName);
}

QVariant GridView::value(int row, const QString &fieldName) const
{
    const int c = recordColumn(fieldName);
    if (c < 0 || row < 0 || row >= m_sorted->rowCount())
        return QVariant();
    return m_sorted->data(m_sorted->index(row, c), Qt::EditRole);
}

QVariant GridView::currentValue(const QString &fieldName) const
{
    return value(currentRow(), fieldName);
}

int GridView::findRow(const QString &fieldName, const QVariant &value) const
{
    const int c = recordColumn(fieldName);
    if (c < 0)
        return -1;
    const int rows = m_sorted->rowCount();
    for (int r = 0; r < rows; ++r) {
        const QVariant v = m_sorted->data(m_sorted->index(r, c), Qt::EditRole);
        if (GridModel::isNumeric(v) && GridModel::isNumeric(value) ? v.toDouble() == value.toDouble()
                                                                   : v.toString() == value.toString())
            return r;
    }
    return -1;
}

std::optional<Qt::SortOrder> GridView::sortMarker(int column) const
{
    const auto it = m_markers.constFind(column);
    if (it == m_markers.constEnd())
        return std::nullopt;
    return it.value();
}

void GridView::clearSort()
{
    m_markers.clear();
    horizontalHeader()->setSortIndicatorShown(false);
    if (m_sorted->sortColumn() >= 0)
        resort(-1, Qt::AscendingOrder);
}

void GridView::resort(int recordColumn, Qt::SortOrder order)
{
    // The cursor stays on the same record.
    const int row = currentRow();
    QPersistentModelIndex current;
    if (row >= 0 && m_sorted->sourceModel())
        current = m_sorted->mapToSource(m_sorted->index(row, 0));
    m_keepRow = true;
    m_sorted->sort(recordColumn, order);
    m_keepRow = false;
    if (rowCount() > 0)
        setCurrentRow(current.isValid() ? m_sorted->mapFromSource(current).row() : 0);
}

void GridView::onTitleClicked(int column)
{
    if (m_sortMode == SortMode::None || !isOpen() || column < 0 || column >= m_model->columnCount()) {
        horizontalHeader()->setSortIndicatorShown(false);
        return;
    }
    const auto marker = sortMarker(column);
    const Qt::SortOrder order = marker == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_markers.insert(column, order);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);

    const QString field = m_model->columns().at(column).fieldName;
    if (m_sortMode == SortMode::AnyButMemo && field.contains(QLatin1String("mem"), Qt::CaseInsensitive))
        return;
    const int recordCol = recordColumn(field);
    if (recordCol < 0)
        return;

    resort(recordCol, order);
}

void GridView::onRowsReplaced()
{
    refreshFooter();
    if (m_keepRow)
        return;
    // A reopened record set starts on its first row.
    if (rowCount() > 0)
        setCurrentRow(0);
    else
        emit currentRowChanged(-1);
}

void GridView::refreshFooter()
{
    m_footer->update();
}

bool GridView::hasFooter() const
{
    for (const GridColumn &c : m_model->columns())
        if (c.footerType == GridColumn::FooterText || c.footerType == GridColumn::FooterSum)
            return true;
    return false;
}

QString GridView::footerText(int column) const
{
    return m_model->footerText(column);
}

GridSnapshot GridView::snapshot() const
{
    GridSnapshot snap;
    QList<int> logicals;
    const QHeaderView *header = horizontalHeader();
    for (const GridColumn &c : columns()) {
        GridSnapshotColumn s;
        s.fieldName = c.fieldName;
        s.caption = c.caption;
        s.width = c.width;
        s.visible = c.visible;
        s.alignment = c.alignment == GridColumn::ByType ? 0 : c.alignment;
        s.displayFormat = c.displayFormat;
        s.footerType = c.footerType;
        s.footerText = c.footerType == GridColumn::FooterSum ? QString() : c.footerText;
        snap.columns << s;
    }
    for (int visual = 0; visual < m_model->columnCount(); ++visual)
        logicals << header->logicalIndex(visual);
    const int rows = rowCount();
    for (int r = 0; r < rows; ++r) {
        QList<QVariant> row;
        row.reserve(logicals.size());
        for (int logical : std::as_const(logicals))
            row << m_model->rawValue(r, logical);
        snap.rows << row;
    }
    return snap;
}

void GridView::saveSettings()
{
    if (m_gridKey.isEmpty())
        return;
    if (ShowMess(QStringLiteral("真的要保存当前网格设置吗？"), MessQuestion) == AnswerYes)
        SaveGridConfig(this, m_gridKey);
}

void GridView::updateGeometries()
{
    if (m_inGeometry)
        return;
    m_inGeometry = true;
    QTableView::updateGeometries();
    // The footer takes a strip under the rows, above the horizontal scroll bar.
    const int footerHeight = hasFooter() ? m_footer->rowHeight() : 0;
    const QMargins m = viewportMargins();
    if (m.bottom() != footerHeight)
        setViewportMargins(m.left(), m.top(), m.right(), footerHeight);
    if (footerHeight > 0) {
        const QRect vg = viewport()->geometry();
        m_footer->setGeometry(vg.left(), vg.bottom() + 1, vg.width(), footerHeight);
        m_footer->show();
        m_footer->raise();
        QScrollBar *bar = verticalScrollBar();
        bar->setPageStep(viewport()->height());
        bar->setRange(0, qMax(0, verticalHeader()->length() - viewport()->height()));
    } else {
        m_footer->hide();
    }
    m_inGeometry = false;
}
