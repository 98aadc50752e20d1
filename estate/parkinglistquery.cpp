#include "estate/parkinglistquery.h"


namespace estate {

QList<FilterItem> ParkingListQuery::filterItems()
{
    const struct {
        const char *caption;
        const char *column;
    } items[] = {{"车位编号", "F_code"},    {"车位位置", "F_address"}, {"房间编号", "F_FZcode"},
                 {"业主姓名", "F_FZname"},  {"车辆号码", "F_CarCode"}, {"联系电话", "F_phone"},
                 {"手    机", "F_handPhone"}, {"备    注", "F_memo1"}};
    QList<FilterItem> out;
    for (const auto &i : items) {
        FilterItem f;
        f.caption = QString::fromUtf8(i.caption);
        f.column = QString::fromLatin1(i.column);
        f.match = ClauseBuilder::Match::Contains;
        out << f;
    }
    return out;
}

QStringList ParkingListQuery::listKinds()
{
    return {QStringLiteral("产权状态"), QStringLiteral("经 手 人")};
}

QString ParkingListQuery::listTitle(ListKind kind)
{
    return kind == ByEmployee ? QStringLiteral("经 手 人") : QStringLiteral("产权状态");
}

QString ParkingListQuery::valueListStatement(ListKind kind)
{
    const QString column = kind == ByEmployee ? QStringLiteral("F_empName") : QStringLiteral("F_CQstatus");
    return QStringLiteral("select distinct %1 as F_name from T_carPos where (%1 <> '') group by %1 order by %1")
        .arg(column);
}

BoundStatement ParkingListQuery::build(int itemIndex, const QString &value, ListKind kind,
                                       const QString *selectedValue, const AreaScope &scope,
                                       const db::Dialect &dialect)
{
    BoundStatement out;
    out.sql = QStringLiteral("select * from T_carPos where (1=1) ");
    out.append(scope.clause(), scope.binds());
    ClauseBuilder where;
    const QList<FilterItem> items = filterItems();
    if (itemIndex >= 0 && itemIndex < items.size())
        where.addLike(items.at(itemIndex).column, ClauseBuilder::Match::Contains, value);
    if (selectedValue) {
        const QString column = kind == ByEmployee ? QStringLiteral("F_empName") : QStringLiteral("F_CQstatus");
        where.addCondition(QStringLiteral(" and COALESCE(") + column + QStringLiteral(",'') = :listValue")
                               + dialect.nocase() + QLatin1Char(' '),
                           {{QStringLiteral(":listValue"), *selectedValue}});
    }
    where.appendTo(out);
    out.append(QStringLiteral(" order by F_code"));
    return out;
}

}  // namespace estate
