#include "estate/housemodes.h"

#include "estate/housestatus.h"

namespace estate {

QString HouseModes::caption(HouseMode mode)
{
    switch (mode) {
    case HouseMode::New:
        return QStringLiteral("房产住户档案 - 新增");
    case HouseMode::Change:
        return QStringLiteral("房产住户档案 - 修改");
    case HouseMode::Copy:
        return QStringLiteral("房产住户档案 - 复制");
    case HouseMode::Sale:
        return QStringLiteral("房产销售 - 编辑");
    case HouseMode::MoveIn:
        return QStringLiteral("住户入住 - 编辑");
    }
    return QString();
}

QString HouseModes::statusAtOpening(HouseMode mode, const QString &stored)
{
    switch (mode) {
    case HouseMode::New:
        return HouseStatus::unsold();
    case HouseMode::Sale:
        return HouseStatus::sold();
    case HouseMode::MoveIn:
        return HouseStatus::occupied();
    default:
        return stored;
    }
}

QStringList HouseModes::houseGroupColumns()
{
    return {QStringLiteral("F_XQname"),   QStringLiteral("F_LDcode"),    QStringLiteral("F_DYcode"),
            QStringLiteral("F_code"),     QStringLiteral("F_FXtype"),    QStringLiteral("F_LouCeng"),
            QStringLiteral("F_chaoXiang"), QStringLiteral("F_curStatus"), QStringLiteral("F_buildArea"),
            QStringLiteral("F_useArea"),  QStringLiteral("F_chanquan"),  QStringLiteral("F_mem1")};
}

QStringList HouseModes::contractColumns()
{
    return {QStringLiteral("F_HTcode"),   QStringLiteral("F_HTprice"),   QStringLiteral("F_HTdate"),
            QStringLiteral("F_HTtype"),   QStringLiteral("F_FZname"),    QStringLiteral("F_SFZcode"),
            QStringLiteral("F_FZsex"),    QStringLiteral("F_FZphone"),   QStringLiteral("F_handphone"),
            QStringLiteral("F_FZaddress"), QStringLiteral("F_FZunit"),   QStringLiteral("F_mem2")};
}

}  // namespace estate
