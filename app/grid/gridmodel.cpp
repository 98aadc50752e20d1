#include "app/grid/gridmodel.h"

#include "app/cellvalue.h"
#include "app/numberformat.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {

// Formats written for the grids use "mm" for months, "nn" for minutes and
// "hh" for hours; Qt wants "MM", "mm" and "HH".
QString qtDateTimeFormat(const QString &format)
{
    QString out;
    const QString f = format;
    for (int i = 0; i < f.size(); ++i) {
        const QChar c = f.at(i);
        if (c == QLatin1Char('m'))
            out += QLatin1Char('M');
        else if (c == QLatin1Char('n'))
            out += QLatin1Char('m');
        else if (c == QLatin1Char('h'))
            out += QLatin1Char('H');
        else
            out += c;
    }
    return out;
}

bool isDateTimeFormat(const QString &format)
{
    for (const QChar c : format) {
        const QChar l = c.toLower();
        if (l == QLatin1Char('y') || l == QLatin1Char('d') || l == QLatin1Char('h') || l == QLatin1Char('n')
            || l == QLatin1Char('s'))
            return true;
    }
    return false;
}

}  // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setSourceModel(QAbstractItemModel *records)
{
    beginResetModel();
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_source = records;
    if (records) {
        // Any change of the rows' shape is passed on as "all rows removed,
        // all rows inserted" rather than as a reset, so that the view keeps the
        // widths, order and hidden state of its columns.
        auto begin = [this] { sourceChangeBegins(); };
        auto end = [this] { sourceChangeEnds(); };
        m_connections << connect(records, &QAbstractItemModel::modelAboutToBeReset, this, begin)
                      << connect(records, &QAbstractItemModel::modelReset, this, end)
                      << connect(records, &QAbstractItemModel::layoutAboutToBeChanged, this, begin)
                      << connect(records, &QAbstractItemModel::layoutChanged, this, end)
                      << connect(records, &QAbstractItemModel::rowsAboutToBeInserted, this, begin)
                      << connect(records, &QAbstractItemModel::rowsInserted, this, end)
                      << connect(records, &QAbstractItemModel::rowsAboutToBeRemoved, this, begin)
                      << connect(records, &QAbstractItemModel::rowsRemoved, this, end)
                      << connect(records, &QAbstractItemModel::columnsAboutToBeInserted, this, begin)
                      << connect(records, &QAbstractItemModel::columnsInserted, this, end)
                      << connect(records, &QAbstractItemModel::columnsAboutToBeRemoved, this, begin)
                      << connect(records, &QAbstractItemModel::columnsRemoved, this, end)
                      << connect(records, &QAbstractItemModel::headerDataChanged, this,
                                 [this] {
                                     sourceChangeBegins();
                                     sourceChangeEnds();
                                 })
                      << connect(records, &QAbstractItemModel::dataChanged, this, &GridModel::onSourceDataChanged)
                      << connect(records, &QObject::destroyed, this, [this] {
                             sourceChangeBegins();
                             m_source = nullptr;
                             m_connections.clear();
                             sourceChangeEnds();
                         });
    }
    remap();
    m_rows = m_source ? m_source->rowCount() : 0;
    endResetModel();
}

void GridModel::sourceChangeBegins()
{
    if (m_changing)
        return;
    m_changing = true;
    if (m_rows > 0) {
        beginRemoveRows(QModelIndex(), 0, m_rows - 1);
        m_rows = 0;
        endRemoveRows();
    }
}

void GridModel::sourceChangeEnds()
{
    if (!m_changing)
        return;
    m_changing = false;
    remap();
    const int n = m_source ? m_source->rowCount() : 0;
    if (n > 0) {
        beginInsertRows(QModelIndex(), 0, n - 1);
        m_rows = n;
        endInsertRows();
    }
}

void GridModel::noteWidth(int column, int width)
{
    if (column >= 0 && column < m_columns.size() && width > 0)
        m_columns[column].width = width;
}

void GridModel::noteVisible(int column, bool visible)
{
    if (column >= 0 && column < m_columns.size())
        m_columns[column].visible = visible;
}

void GridModel::setColumns(const GridColumns &columns)
{
    beginResetModel();
    m_columns = columns;
    remap();
    endResetModel();
}

void GridModel::setColumn(int column, const GridColumn &value)
{
    if (column < 0 || column >= m_columns.size())
        return;
    const bool fieldChanged = m_columns.at(column).fieldName.compare(value.fieldName, Qt::CaseInsensitive) != 0;
    m_columns[column] = value;
    if (fieldChanged)
        remap();
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

int GridModel::columnOfField(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int GridModel::sourceColumnOf(const QString &fieldName) const
{
    if (!m_source || fieldName.isEmpty())
        return -1;
    const int n = m_source->columnCount();
    for (int c = 0; c < n; ++c)
        if (m_source->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                .toString()
                .compare(fieldName, Qt::CaseInsensitive)
            == 0)
            return c;
    return -1;
}

void GridModel::remap()
{
    m_sourceColumns.clear();
    for (const GridColumn &c : std::as_const(m_columns))
        m_sourceColumns << sourceColumnOf(c.fieldName);
}

void GridModel::onSourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (m_columns.isEmpty() || !topLeft.isValid() || m_changing || bottomRight.row() >= m_rows)
        return;
    emit dataChanged(index(topLeft.row(), 0), index(bottomRight.row(), int(m_columns.size()) - 1));
}

QModelIndex GridModel::sourceIndex(int row, int column) const
{
    if (!m_source || row < 0 || row >= m_rows || column < 0 || column >= m_sourceColumns.size())
        return QModelIndex();
    const int sc = m_sourceColumns.at(column);
    if (sc < 0)
        return QModelIndex();
    return m_source->index(row, sc);
}

QVariant GridModel::rawValue(int row, int column) const
{
    const QModelIndex si = sourceIndex(row, column);
    return si.isValid() ? m_source->data(si, Qt::EditRole) : QVariant();
}

double GridModel::columnSum(int column) const
{
    double sum = 0;
    const int rows = rowCount();
    for (int r = 0; r < rows; ++r) {
        const QVariant v = rawValue(r, column);
        if (!v.isNull())
            sum += v.toDouble();
    }
    return sum;
}

QString GridModel::footerText(int column) const
{
    if (column < 0 || column >= m_columns.size())
        return QString();
    const GridColumn &c = m_columns.at(column);
    switch (c.footerType) {
    case GridColumn::FooterText:
        return c.footerText;
    case GridColumn::FooterSum:
        return formatValue(columnSum(column), c.displayFormat);
    default:
        return QString();
    }
}

bool GridModel::isNumeric(const QVariant &value)
{
    return CellValue::isNumeric(value);
}

QString GridModel::formatValue(const QVariant &value, const QString &format)
{
    if (value.isNull())
        return QString();
    const QString fmt = format.trimmed();
    if (isNumeric(value)) {
        if (!fmt.isEmpty() && !isDateTimeFormat(fmt))
            return formatNumber(value.toDouble(), fmt);
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            return QString::number(value.toDouble(), 'g', 15);
        return value.toString();
    }
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(fmt.isEmpty() ? QStringLiteral("yyyy-MM-dd") : qtDateTimeFormat(fmt));
    case QMetaType::QTime:
        return value.toTime().toString(fmt.isEmpty() ? QStringLiteral("HH:mm:ss") : qtDateTimeFormat(fmt));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(fmt.isEmpty() ? QStringLiteral("yyyy-MM-dd") : qtDateTimeFormat(fmt));
    default:
        return value.toString();
    }
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size() || index.row() >= m_rows)
        return QVariant();
    const GridColumn &c = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return formatValue(rawValue(index.row(), index.column()), c.displayFormat);
    case Qt::EditRole:
    case RawValueRole:
        return rawValue(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        int a = c.alignment;
        if (a == GridColumn::ByType)
            a = isNumeric(rawValue(index.row(), index.column())) ? GridColumn::Right : GridColumn::Left;
        const Qt::Alignment h = a == GridColumn::Right    ? Qt::AlignRight
                                : a == GridColumn::Centre ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).caption;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && index.column() < m_columns.size() && !m_columns.at(index.column()).readOnly
        && sourceIndex(index.row(), index.column()).isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return m_source->setData(sourceIndex(index.row(), index.column()), value, Qt::EditRole);
}
