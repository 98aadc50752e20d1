#include "db/rowinserter.h"

#include <QDate>
#include <QSqlError>
#include <QTime>

namespace db {

RowInserter::RowInserter(QSqlDatabase db, const TableDef &table, const QStringList &columns) : m_query(db)
{
    QStringList names;
    QStringList marks;
    for (const QString &name : columns) {
        const ColumnDef *column = table.column(name);
        if (!column) {
            m_error = QStringLiteral("table %1 has no column %2").arg(table.name(), name);
            return;
        }
        names << column->name;
        marks << QStringLiteral("?");
        m_types << column->type;
    }
    const QString sql = QStringLiteral("INSERT INTO ") + table.name() + QStringLiteral(" (")
        + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", "))
        + QLatin1Char(')');
    if (!m_query.prepare(sql)) {
        m_error = m_query.lastError().text();
        return;
    }
    m_valid = true;
}

bool RowInserter::insert(const QVariantList &values)
{
    if (!m_valid)
        return false;
    if (values.size() != m_types.size()) {
        m_error = QStringLiteral("%1 values given for %2 columns").arg(values.size()).arg(m_types.size());
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, convert(values.at(i), m_types.at(i)));
    if (!m_query.exec()) {
        m_error = m_query.lastError().text();
        return false;
    }
    return true;
}

QVariant RowInserter::convert(const QVariant &value, ColumnType type)
{
    if (value.isNull())
        return QVariant();
    const bool emptyText = value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty();
    switch (type) {
    case ColumnType::Text:
    case ColumnType::LongText: {
        // An empty text is stored as '', not as NULL.
        const QString text = value.toString();
        return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
    }
    case ColumnType::Id:
    case ColumnType::Int:
        return emptyText ? QVariant() : QVariant(value.toInt());
    case ColumnType::Bit: {
        if (emptyText)
            return QVariant();
        const QString text = value.toString().trimmed().toLower();
        // Flags go to the database as 0/1 integers, never as booleans.
        const bool set = text == QLatin1String("true") || (text != QLatin1String("false") && value.toInt() != 0);
        return QVariant(set ? 1 : 0);
    }
    case ColumnType::Float:
    case ColumnType::Numeric:
        return emptyText ? QVariant() : QVariant(value.toDouble());
    case ColumnType::Date: {
        if (emptyText)
            return QVariant();
        const QDate date = value.typeId() == QMetaType::QDate
            ? value.toDate()
            : QDate::fromString(value.toString().trimmed(), QStringLiteral("yyyy-MM-dd"));
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case ColumnType::Time: {
        if (emptyText)
            return QVariant();
        const QTime time = value.typeId() == QMetaType::QTime
            ? value.toTime()
            : QTime::fromString(value.toString().trimmed(), QStringLiteral("HH:mm:ss"));
        // SQLite keeps the time as HH:mm:ss text; the driver would add milliseconds.
        return time.isValid() ? QVariant(time.toString(QStringLiteral("HH:mm:ss"))) : QVariant();
    }
    }
    return value;
}

}  // namespace db
