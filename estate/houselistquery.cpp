#include "estate/houselistquery.h"

#include "db/dialect.h"
#include "estate/filtercondition.h"
#include "estate/housestatus.h"

namespace estate {

namespace {

FilterItem item(const char *caption, const char *column, FilterMatch match, const char *codeList = "")
{
    FilterItem f;
    f.caption = QString::fromUtf8(caption);
    f.column = QString::fromLatin1(column);
    f.match = match;
    f.codeList = QString::fromLatin1(codeList);
    return f;
}

}  // namespace

QList<FilterItem> HouseListQuery::filterItems()
{
    const FilterMatch P = FilterMatch::Prefix;
    const FilterMatch C = FilterMatch::Contains;
    FilterItem sex = item("业主性别", "F_FZsex", P);
    sex.fixedItems = {QStringLiteral("男"), QStringLiteral("女")};
    QList<FilterItem> items = {
        item("门牌编号", "F_code", P),
        item("单元", "F_DYcode", C),
        item("房型", "F_FXtype", P, "fxtype"),
        item("房间朝向", "F_chaoXiang", P, "chaoxiang"),
        item("产权状况", "F_chanquan", P, "chanquan"),
        item("房屋备注", "F_mem1", C),
        item("合同编号", "F_HTcode", C),
        item("合同类型", "F_HTtype", P, "HTtype"),
        item("业主姓名", "F_FZname", C),
        sex,
        item("业主电话", "F_FZphone", C),
        item("业主手机", "F_handphone", C),
        item("业主身份证号", "F_SFZcode", C),
        item("业主单位", "F_FZunit", C),
        item("业主住址", "F_FZaddress", C),
        item("合同备注", "F_mem2", C),
        item("住户姓名", "F_ZHname", C),
        item("住户电话", "F_ZHphone", C),
        item("住户手机", "F_ZHhandphone", C),
        item("住户身份证号", "F_ZHSFZcode", C),
        item("住户从事行业", "F_ZHwork", C),
        item("住户备注", "F_mem3", C),
    };
    for (int i = 0; i < 4; ++i)
        items.append(FilterItem());
    return items;
}

QStringList HouseListQuery::statusItems()
{
    return {HouseStatus::unsold(), HouseStatus::sold(), HouseStatus::occupied(), QStringLiteral("全  部")};
}

BoundSql HouseListQuery::build(const AreaTreeSelection *node, int statusIndex, int itemIndex, const QString &value,
                               const db::Dialect &dialect)
{
    BoundSql out;
    if (!node)
        return out;
    const QString nocase = dialect.nocase();
    // The tree restricts a restricted operator: it holds only his areas.
    out.sql = QStringLiteral("select * from T_FCinfo where (1=1) ");

    const QList<FilterItem> items = filterItems();
    if (itemIndex >= 0 && itemIndex < items.size() && !items.at(itemIndex).isBlank()) {
        const FilterItem &f = items.at(itemIndex);
        out.sql += FilterCondition::likeClause(f.column, QStringLiteral(":filter"));
        out.binds.insert(QStringLiteral(":filter"), FilterCondition::pattern(f.match, value.trimmed()));
    }

    out.sql += QStringLiteral("and COALESCE(F_XQname,'') = :treeArea") + nocase + QLatin1Char(' ');
    out.binds.insert(QStringLiteral(":treeArea"), node->area.trimmed());
    if (node->isBuilding) {
        out.sql += QStringLiteral("and COALESCE(F_LDcode,'') = :treeBuilding") + nocase + QLatin1Char(' ');
        out.binds.insert(QStringLiteral(":treeBuilding"), node->building);
    }

    const QStringList statuses = statusItems();
    if (statusIndex >= 0 && statusIndex < allStatusIndex()) {
        out.sql += FilterCondition::likeClause(QStringLiteral("F_curStatus"), QStringLiteral(":status"));
        out.binds.insert(QStringLiteral(":status"), FilterCondition::pattern(FilterMatch::Contains,
                                                                            statuses.at(statusIndex)));
    }
    out.sql += QStringLiteral("order by F_XQname,F_LDcode,F_DYcode,F_code ");
    return out;
}

}  // namespace estate
