#include "access/permissioncatalog.h"

namespace {

QList<ActionInfo> buildActions()
{
    auto a = [](const char *code, const char *caption, const char *menuLabel, const char *group) {
        return ActionInfo{QString::fromUtf8(code), QString::fromUtf8(caption), QString::fromUtf8(menuLabel),
                          QString::fromUtf8(group)};
    };
    return {
        a("101", "公司信息资料", "", "mi100"),
        a("102", "更改用户密码", "", "mi100"),
        a("103", "用户权限管理", "", "mi100"),
        a("104", "备份恢复", "数据备份恢复", "mi100"),
        a("105", "数据清理", "系统数据清理", "mi100"),
        a("106", "压缩修复", "压缩修复数据", "mi100"),
        a("107", "导入住户信息", "", "mi100"),
        a("108", "系统当前配置", "", "mi100"),
        a("201", "小区信息设置", "", "mi200"),
        a("203", "小区公共设施", "", "mi200"),
        a("204", "保洁绿化", "", "mi200"),
        a("205", "保安巡逻", "", "mi200"),
        a("206", "配件管理", "", "mi200"),
        a("207", "费用项目设置", "", "mi200"),
        a("208", "公摊费用设置", "", "mi200"),
        a("209", "选项...", "", "mi200"),
        a("301", "房产住户", "", "mi300"),
        a("303", "生成物业费", "", "mi300"),
        a("304", "收取物业费", "", "mi300"),
        a("305", "预收款管理", "", "mi300"),
        a("306", "车位管理", "", "mi300"),
        a("307", "报修管理", "", "mi300"),
        a("308", "建议意见", "", "mi300"),
        a("309", "生成公摊费", "", "mi300"),
        a("401", "缴费通知单", "缴费通知单查询", "mi400"),
        a("402", "交费收款单", "交费收款单查询", "mi400"),
        a("403", "个人欠费查询", "个人欠费查询统计", "mi400"),
        a("404", "配件库存查询", "配件库存查询统计", "mi400"),
        a("501", "应交费用明细统计", "", "mi500"),
        a("502", "应交费用汇总统计", "", "mi500"),
        a("503", "住户交费明细统计", "", "mi500"),
        a("504", "住户交费汇总统计", "", "mi500"),
        a("505", "物业报修查询统计", "", "mi500"),
        a("506", "物业收费经营分析", "", "mi500"),
    };
}

QList<ActionGroup> buildGroups()
{
    QList<ActionGroup> groups{
        {QStringLiteral("mi100"), QStringLiteral("系统管理"), {}},
        {QStringLiteral("mi200"), QStringLiteral("基本资料"), {}},
        {QStringLiteral("mi300"), QStringLiteral("日常管理"), {}},
        {QStringLiteral("mi400"), QStringLiteral("信息查询"), {}},
        {QStringLiteral("mi500"), QStringLiteral("报表中心"), {}},
    };
    for (const ActionInfo &action : PermissionCatalog::actions()) {
        for (ActionGroup &group : groups) {
            if (group.name == action.group)
                group.codes.append(action.code);
        }
    }
    return groups;
}

}  // namespace

const QList<ActionInfo> &PermissionCatalog::actions()
{
    static const QList<ActionInfo> list = buildActions();
    return list;
}

const QList<ActionGroup> &PermissionCatalog::groups()
{
    static const QList<ActionGroup> list = buildGroups();
    return list;
}

QStringList PermissionCatalog::allCodes()
{
    QStringList codes;
    for (const ActionInfo &action : actions())
        codes.append(action.code);
    return codes;
}

const ActionInfo *PermissionCatalog::byCode(const QString &code)
{
    for (const ActionInfo &action : actions()) {
        if (action.code == code)
            return &action;
    }
    return nullptr;
}

const ActionInfo *PermissionCatalog::byActionName(const QString &actionName)
{
    for (const ActionInfo &action : actions()) {
        if (action.actionName() == actionName)
            return &action;
    }
    return nullptr;
}

const ActionGroup *PermissionCatalog::groupOf(const QString &code)
{
    const ActionInfo *action = byCode(code);
    if (!action)
        return nullptr;
    for (const ActionGroup &group : groups()) {
        if (group.name == action->group)
            return &group;
    }
    return nullptr;
}
