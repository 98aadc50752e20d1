#pragma once

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>
#include <QtTest>

// Rows for the estate tests, written straight into the test database.
namespace estatefixture {

inline int insertRow(const QString &table, const QVariantMap &values)
{
    QStringList columns;
    QStringList holders;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << it.key();
        holders << QLatin1Char(':') + it.key();
    }
    QSqlQuery q;
    q.prepare(QStringLiteral("insert into %1 (%2) values (%3) returning F_ID")
                  .arg(table, columns.join(QLatin1Char(',')), holders.join(QLatin1Char(','))));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!q.exec() || !q.next()) {
        qWarning("insert into %s failed: %s", qPrintable(table), qPrintable(q.lastError().text()));
        return 0;
    }
    const int id = q.value(0).toInt();
    q.finish();
    return id;
}

inline int addArea(const QString &name, const QString &code = QString())
{
    static int next = 0;
    return insertRow(QStringLiteral("T_XQinfo"),
                     {{QStringLiteral("F_code"), code.isEmpty() ? QStringLiteral("A%1").arg(++next) : code},
                      {QStringLiteral("F_name"), name}});
}

// A house; status may be a null QVariant for a house without status.
inline int addHouse(const QString &area, const QString &building, const QString &room,
                    const QVariant &status = QStringLiteral("已销售"), const QVariantMap &more = {})
{
    QVariantMap v = more;
    v.insert(QStringLiteral("F_XQname"), area);
    v.insert(QStringLiteral("F_LDcode"), building);
    v.insert(QStringLiteral("F_code"), room);
    v.insert(QStringLiteral("F_curStatus"), status);
    return insertRow(QStringLiteral("T_FCinfo"), v);
}

inline QVariant value(const QString &table, int id, const QString &column)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("select %1 from %2 where F_ID = :id").arg(column, table));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return QVariant();
    return q.value(0);
}

inline int count(const QString &table)
{
    QSqlQuery q;
    if (!q.exec(QStringLiteral("select count(*) from %1").arg(table)) || !q.next())
        return -1;
    return q.value(0).toInt();
}

inline QString dateText(const QVariant &stored)
{
    if (stored.typeId() == QMetaType::QDate)
        return stored.toDate().toString(Qt::ISODate);
    return stored.toString().left(10);
}

}  // namespace estatefixture
