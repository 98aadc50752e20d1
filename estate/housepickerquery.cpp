#include "estate/housepickerquery.h"

#include "app/recordmanager/clausebuilder.h"
#include "db/dialect.h"
#include "estate/housestatus.h"

#include <QSqlQuery>

namespace estate {

BoundStatement HousePickerQuery::build(const AreaTreeSelection *node, const HousePickerFilters &filters,
                                       const AreaScope &scope, const db::Dialect &dialect)
{
    BoundStatement out;
    if (!node)
        return out;
    const QString nocase = dialect.nocase();
    out.sql = QStringLiteral("select F_ID,F_curStatus,F_XQname,F_LDcode,F_DYcode,F_code,F_FXtype,F_LouCeng,"
                             "F_chaoXiang,F_buildArea,F_useArea,F_chanquan,F_mem1 from T_FCinfo "
                             "where (F_curStatus <> :unsold) ");
    out.append(scope.clause(), scope.binds());
    out.binds.insert(QStringLiteral(":unsold"), HouseStatus::unsold());

    ClauseBuilder where;
    const QPair<QString, const char *> texts[] = {{filters.area, "F_XQname"},
                                                  {filters.building, "F_LDcode"},
                                                  {filters.room, "F_code"},
                                                  {filters.propertyRight, "F_chanquan"}};
    for (const auto &t : texts) {
        if (!t.first.trimmed().isEmpty())
            where.addLike(QString::fromLatin1(t.second), ClauseBuilder::Match::Contains, t.first);
    }
    where.addCondition(QStringLiteral(" and F_XQname = :treeArea") + nocase + QLatin1Char(' '),
                       {{QStringLiteral(":treeArea"), node->area.trimmed()}});
    if (node->isBuilding)
        where.addCondition(QStringLiteral(" and F_LDcode = :treeBuilding") + nocase + QLatin1Char(' '),
                           {{QStringLiteral(":treeBuilding"), node->building}});
    where.appendTo(out);
    out.append(QStringLiteral(" order by F_code"));
    return out;
}

int HousePickerQuery::result(int callerValue, bool accepted, std::optional<int> currentRowId)
{
    return accepted && currentRowId ? *currentRowId : callerValue;
}

std::optional<SoldHouse> HousePickerQuery::soldHouse(int id, const AreaScope *scope, QSqlDatabase db)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select F_ID,F_code,F_XQname,F_LDcode,F_FZname,F_buildArea,F_ZHnum from T_FCinfo "
                             "where (F_curStatus <> :unsold) and F_ID = :id ")
              + (scope ? scope->clause() : QString()));
    q.bindValue(QStringLiteral(":unsold"), HouseStatus::unsold());
    q.bindValue(QStringLiteral(":id"), id);
    if (scope)
        scope->bindTo(q);
    if (!q.exec() || !q.next())
        return std::nullopt;
    SoldHouse h;
    h.id = q.value(0).toInt();
    h.code = q.value(1).toString();
    h.area = q.value(2).toString();
    h.building = q.value(3).toString();
    h.owner = q.value(4).toString();
    h.buildArea = q.value(5).toDouble();
    h.residents = q.value(6).toDouble();
    return h;
}

}  // namespace estate
