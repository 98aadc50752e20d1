#include "estate/scopedliststatement.h"

#include "access/session.h"
#include "app/recordmanager/filterbar.h"

BoundStatement ScopedListStatement::build(const ListWindowDef &definition, const FilterBar *filter,
                                          const ClauseBuilder &extra)
{
    BoundStatement s;
    s.sql = QStringLiteral("select * from ") + definition.table + QStringLiteral(" where (1=1) ");
    const Session &session = Session::current();
    s.append(session.areaScopeClause(), session.areaScope().binds());
    ClauseBuilder where;
    filter->appendCondition(where);
    where.appendTo(s);
    extra.appendTo(s);
    s.append(QLatin1Char(' ') + definition.orderBy);
    return s;
}
