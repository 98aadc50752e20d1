#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One function of the main window: the permission code that unlocks it, the
// action's name and caption, the label of its menu item when that differs
// from the caption, and the menu group that holds it.
struct ActionInfo {
    QString code;        // "101"
    QString caption;     // "公司信息资料"
    QString menuLabel;   // "数据备份恢复", or empty: the caption
    QString group;       // "mi100"

    QString actionName() const { return QStringLiteral("Action") + code; }
    QString menuText() const { return menuLabel.isEmpty() ? caption : menuLabel; }
};

// A management group of the main menu: the codes of its first digit.
struct ActionGroup {
    QString name;        // "mi100"
    QString caption;     // "系统管理"
    QStringList codes;   // in the order of the permission table
};

// The fixed list of the 34 functions and their five menu groups. The codes
// are the ones stored in Limits.F_code.
class PermissionCatalog {
public:
    static const QList<ActionInfo> &actions();
    static const QList<ActionGroup> &groups();
    static QStringList allCodes();
    // nullptr for an unknown code or action name.
    static const ActionInfo *byCode(const QString &code);
    static const ActionInfo *byActionName(const QString &actionName);
    static const ActionGroup *groupOf(const QString &code);
};
