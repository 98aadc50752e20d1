#include "app/grid/gridconfig.h"

#include "app/datamodule.h"
#include "app/grid/gridview.h"
#include "app/messages.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");

int alignmentFromCode(const QVariant &code)
{
    switch (code.toInt()) {
    case 0:
        return GridColumn::Left;
    case 1:
        return GridColumn::Centre;
    case 2:
        return GridColumn::Right;
    default:
        return GridColumn::ByType;
    }
}

int alignmentCode(int alignment)
{
    return alignment == GridColumn::Centre ? 1 : alignment == GridColumn::Right ? 2 : 0;
}

int footerTypeFromCode(const QVariant &code)
{
    const int t = code.toInt();
    return t == 1 ? GridColumn::FooterText : t == 2 ? GridColumn::FooterSum : GridColumn::NoFooter;
}

}  // namespace

GridColumns GridConfig::load(QSqlDatabase db, const QString &key, bool *ok, QString *error)
{
    GridColumns columns;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly, F_DisplayFormat, "
                             "F_FooterValue, F_FooterType, F_Alignment from cfg_Grid "
                             "where F_name = :key and COALESCE(F_FieldName,'') <> '' order by F_Order, F_ID"));
    q.bindValue(QStringLiteral(":key"), key);
    if (!q.exec()) {
        if (ok)
            *ok = false;
        if (error)
            *error = q.lastError().text();
        return columns;
    }
    while (q.next()) {
        GridColumn c;
        c.fieldName = q.value(0).toString().trimmed();
        if (c.fieldName.isEmpty())
            continue;
        c.caption = q.value(1).toString();
        c.width = q.value(2).isNull() ? 80 : q.value(2).toInt();
        c.visible = q.value(3).toInt() != 0;
        c.readOnly = q.value(4).toInt() != 0;
        c.displayFormat = q.value(5).toString();
        c.footerText = q.value(6).toString();
        c.footerType = footerTypeFromCode(q.value(7));
        c.alignment = alignmentFromCode(q.value(8));
        columns << c;
    }
    const bool fine = !q.lastError().isValid();
    if (ok)
        *ok = fine;
    if (!fine && error)
        *error = q.lastError().text();
    return columns;
}

bool GridConfig::save(QSqlDatabase db, const QString &key, const GridColumns &columns, QStringList *errors)
{
    bool all = true;
    for (int i = 0; i < columns.size(); ++i) {
        const GridColumn &c = columns.at(i);
        QSqlQuery q(db);
        q.prepare(QStringLiteral("update cfg_Grid set F_Caption = :caption, F_Width = :width, "
                                 "F_ReadOnly = :readOnly, F_Visible = :visible, F_Order = :ord, "
                                 "F_Alignment = :alignment, F_DisplayFormat = :format, "
                                 "F_FooterValue = :footerValue, F_FooterType = :footerType "
                                 "where F_name = :key and F_FieldName = :field"));
        q.bindValue(QStringLiteral(":caption"), c.caption);
        q.bindValue(QStringLiteral(":width"), c.width);
        q.bindValue(QStringLiteral(":readOnly"), c.readOnly ? 1 : 0);
        q.bindValue(QStringLiteral(":visible"), c.visible ? 1 : 0);
        q.bindValue(QStringLiteral(":ord"), i);
        q.bindValue(QStringLiteral(":alignment"), alignmentCode(c.alignment));
        q.bindValue(QStringLiteral(":format"), c.displayFormat);
        q.bindValue(QStringLiteral(":footerValue"), c.footerText);
        q.bindValue(QStringLiteral(":footerType"), c.footerType);
        q.bindValue(QStringLiteral(":key"), key.toLower());
        q.bindValue(QStringLiteral(":field"), c.fieldName);
        if (!q.exec()) {
            all = false;
            if (errors)
                *errors << q.lastError().text();
        }
    }
    return all;
}

void LoadGridConfig(GridView *grid, const QString &key)
{
    bool ok = true;
    const GridColumns columns = GridConfig::load(dmData().ADOcnn(), key, &ok);
    if (!ok)
        ShowMess(kOperationFailed, MessError);
    if (!columns.isEmpty())
        grid->setColumns(columns);
}

void SaveGridConfig(GridView *grid, const QString &key)
{
    QStringList errors;
    GridConfig::save(dmData().ADOcnn(), key, grid->columns(), &errors);
    for (int i = 0; i < errors.size(); ++i)
        ShowMess(kOperationFailed, MessError);
}
