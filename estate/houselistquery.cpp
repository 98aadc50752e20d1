#include "estate/houselistquery.h"

#include "db/dialect.h"
#include "estate/housestatus.h"

namespace estate {

namespace {

FilterItem item(const char *caption, const char *column, ClauseBuilder::Match match, const char *codeList = "")
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
    const ClauseBuilder::Match P = ClauseBuilder::Match::Prefix;
    const ClauseBuilder::Match C = ClauseBuilder::Match::Contains;
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

BoundStatement HouseListQuery::build(const AreaTreeSelection *node, int statusIndex, int itemIndex,
                                     const QString &value, const db::Dialect &dialect)
{
    BoundStatement out;
    if (!node)
        return out;
    const QString nocase = dialect.nocase();
    // The tree restricts a restricted operator: it holds only his areas.
    out.sql = QStringLiteral("select * from T_FCinfo where (1=1) ");
    ClauseBuilder where;
    const QList<FilterItem> items = filterItems();
    if (itemIndex >= 0 && itemIndex < items.size() && !items.at(itemIndex).isBlank())
        where.addLike(items.at(itemIndex).column, items.at(itemIndex).match, value);
    where.addCondition(QStringLiteral(" and COALESCE(F_XQname,'') = :treeArea") + nocase + QLatin1Char(' '),
                       {{QStringLiteral(":treeArea"), node->area.trimmed()}});
    if (node->isBuilding)
        where.addCondition(QStringLiteral(" and COALESCE(F_LDcode,'') = :treeBuilding") + nocase + QLatin1Char(' '),
                           {{QStringLiteral(":treeBuilding"), node->building}});
    if (statusIndex >= 0 && statusIndex < allStatusIndex())
        where.addLike(QStringLiteral("F_curStatus"), ClauseBuilder::Match::Contains, statusItems().at(statusIndex));
    where.appendTo(out);
    out.append(QStringLiteral(" order by F_XQname,F_LDcode,F_DYcode,F_code "));
    return out;
}

}  // namespace estate
