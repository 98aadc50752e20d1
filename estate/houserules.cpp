#include "estate/houserules.h"

#include "db/dialect.h"
#include "db/transactionguard.h"
#include "estate/emptydate.h"
#include "estate/housestatus.h"

#include <QSqlQuery>
#include <QtMath>

namespace estate {

namespace {

const QString kArea = QStringLiteral("F_XQname");
const QString kBuilding = QStringLiteral("F_LDcode");
const QString kRoom = QStringLiteral("F_code");

bool isNumberColumn(const QString &column)
{
    static const QStringList numbers = {QStringLiteral("F_buildArea"), QStringLiteral("F_useArea"),
                                        QStringLiteral("F_HTprice"), QStringLiteral("F_ZHnum")};
    return numbers.contains(column, Qt::CaseInsensitive);
}

bool isUntrimmedColumn(const QString &column)
{
    // The house remark and the contract remark are kept exactly as typed.
    return column.compare(QStringLiteral("F_mem1"), Qt::CaseInsensitive) == 0
           || column.compare(QStringLiteral("F_mem2"), Qt::CaseInsensitive) == 0;
}

bool isDateColumn(const QString &column)
{
    return column.compare(QStringLiteral("F_HTdate"), Qt::CaseInsensitive) == 0
           || column.compare(QStringLiteral("F_RZdate"), Qt::CaseInsensitive) == 0;
}

QString placeholder(const QString &column)
{
    return QLatin1Char(':') + column;
}

}  // namespace

HouseRules::HouseRules(QSqlDatabase db) : m_db(db) {}

QStringList HouseRules::editColumns()
{
    return {QStringLiteral("F_XQname"),    QStringLiteral("F_LDcode"),     QStringLiteral("F_DYcode"),
            QStringLiteral("F_code"),      QStringLiteral("F_FXtype"),     QStringLiteral("F_LouCeng"),
            QStringLiteral("F_chaoXiang"), QStringLiteral("F_curStatus"),  QStringLiteral("F_buildArea"),
            QStringLiteral("F_useArea"),   QStringLiteral("F_chanquan"),   QStringLiteral("F_mem1"),
            QStringLiteral("F_HTcode"),    QStringLiteral("F_HTprice"),    QStringLiteral("F_HTdate"),
            QStringLiteral("F_HTtype"),    QStringLiteral("F_FZname"),     QStringLiteral("F_FZsex"),
            QStringLiteral("F_FZphone"),   QStringLiteral("F_handphone"),  QStringLiteral("F_SFZcode"),
            QStringLiteral("F_FZunit"),    QStringLiteral("F_FZaddress"),  QStringLiteral("F_mem2"),
            QStringLiteral("F_ZHname"),    QStringLiteral("F_RZdate"),     QStringLiteral("F_ZHphone"),
            QStringLiteral("F_ZHhandphone"), QStringLiteral("F_ZHSFZcode"), QStringLiteral("F_ZHwork"),
            QStringLiteral("F_mem3"),      QStringLiteral("F_ZHnum")};
}

QDate HouseRules::contractDateToStore(HouseMode mode, bool storedWasNone, bool touched, const QDate &picker)
{
    const bool keepsEmpty = mode == HouseMode::Change || mode == HouseMode::Copy || mode == HouseMode::MoveIn;
    if (keepsEmpty && storedWasNone && !touched)
        return EmptyDate::none();
    return picker;
}

QString HouseRules::saleRefusal(const QString &status)
{
    return HouseStatus::isSoldOrOccupied(status) ? QStringLiteral("此房间已经销售！") : QString();
}

QVariantMap HouseRules::normalised(const QVariantMap &values) const
{
    QVariantMap out;
    for (const QString &column : editColumns()) {
        const QVariant v = values.value(column);
        if (isNumberColumn(column)) {
            const QString text = v.toString().trimmed();
            out.insert(column, text.isEmpty() ? 0.0 : v.toDouble());
        } else if (column.compare(QStringLiteral("F_RZdate"), Qt::CaseInsensitive) == 0) {
            const QDate d = v.toDate();
            out.insert(column, d.isValid() ? d : EmptyDate::none());
        } else if (isDateColumn(column)) {
            const QDate d = v.toDate();
            out.insert(column, d.isValid() ? d : QDate::currentDate());
        } else {
            const QString text = v.toString();
            out.insert(column, isUntrimmedColumn(column) ? text : text.trimmed());
        }
    }
    return out;
}

RuleOutcome HouseRules::check(HouseMode mode, const QVariantMap &v, int editedId) const
{
    const db::Dialect dialect = db::Dialect::of(m_db);
    const QString area = v.value(kArea).toString();
    if (area.isEmpty())
        return RuleOutcome::refused(QStringLiteral("小区名称不能为空！"), 0, QStringLiteral("cbbXQname"));

    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select F_ID from T_XQinfo where F_name = :area") + dialect.nocase());
    q.bindValue(QStringLiteral(":area"), area);
    if (!q.exec())
        return RuleOutcome::failed(saveFailedMessage());
    if (!q.next())
        return RuleOutcome::refused(QStringLiteral("小区名称不存在，请在楼宇信息里增加新的小区名！"), 0,
                                    QStringLiteral("cbbXQname"));

    const QString room = v.value(kRoom).toString();
    if (room.isEmpty())
        return RuleOutcome::refused(QStringLiteral("房间编号不能为空！"), 0, QStringLiteral("edtcode"));

    // Room numbers are unique within one building of one area only. Rows
    // without a building (imported ones may hold NULL) count as building ''.
    QString sql = QStringLiteral("select F_ID from T_FCinfo where COALESCE(F_code,'') = :code")
                  + dialect.nocase()
                  + QStringLiteral(" and COALESCE(F_XQname,'') = :area") + dialect.nocase()
                  + QStringLiteral(" and COALESCE(F_LDcode,'') = :building") + dialect.nocase();
    if (!HouseModes::inserts(mode))
        sql += QStringLiteral(" and F_ID <> :id");
    QSqlQuery dup(m_db);
    dup.prepare(sql);
    dup.bindValue(QStringLiteral(":code"), room);
    dup.bindValue(QStringLiteral(":area"), area);
    dup.bindValue(QStringLiteral(":building"), v.value(kBuilding).toString());
    if (!HouseModes::inserts(mode))
        dup.bindValue(QStringLiteral(":id"), editedId);
    if (!dup.exec())
        return RuleOutcome::failed(saveFailedMessage());
    if (dup.next())
        return RuleOutcome::refused(QStringLiteral("房间编号重复，请修改！"), 3, QStringLiteral("edtcode"));
    return RuleOutcome::done();
}

RuleOutcome HouseRules::save(HouseMode mode, const QVariantMap &values, int editedId) const
{
    const QVariantMap v = normalised(values);
    const QStringList columns = editColumns();

    // The uniqueness check and the write share one writer transaction, so two
    // clients cannot both add the same room.
    db::TransactionGuard tx(m_db, QStringLiteral("T_FCinfo"));
    if (!tx.isActive())
        return RuleOutcome::failed(saveFailedMessage());
    const RuleOutcome checked = check(mode, v, editedId);
    if (!checked.isDone())
        return checked;

    QString sql;
    if (HouseModes::inserts(mode)) {
        QStringList holders;
        for (const QString &c : columns)
            holders << placeholder(c);
        sql = QStringLiteral("insert into T_FCinfo(") + columns.join(QLatin1Char(',')) + QStringLiteral(") values(")
              + holders.join(QLatin1Char(',')) + QStringLiteral(") returning F_ID");
    } else {
        QStringList sets;
        for (const QString &c : columns)
            sets << c + QStringLiteral(" = ") + placeholder(c);
        sql = QStringLiteral("update T_FCinfo set ") + sets.join(QLatin1Char(',')) + QStringLiteral(" where F_ID = :ID");
    }
    QSqlQuery q(m_db);
    if (!q.prepare(sql))
        return RuleOutcome::failed(saveFailedMessage());
    for (const QString &c : columns)
        q.bindValue(placeholder(c), v.value(c));
    if (!HouseModes::inserts(mode))
        q.bindValue(QStringLiteral(":ID"), editedId);
    if (!q.exec())
        return RuleOutcome::failed(saveFailedMessage());
    int id = editedId;
    if (HouseModes::inserts(mode)) {
        id = q.next() ? q.value(0).toInt() : 0;
        q.finish();
    }
    if (!tx.commit())
        return RuleOutcome::failed(saveFailedMessage());
    return RuleOutcome::done(id);
}

RuleOutcome HouseRules::vacate(int id) const
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update T_FCinfo set F_ZHname = '', F_ZHphone = '', F_ZHhandphone = '', "
                             "F_ZHSFZcode = '', F_ZHwork = '', F_mem3 = '', F_RZdate = :none, F_ZHnum = 0 "
                             "where F_ID = :id"));
    q.bindValue(QStringLiteral(":none"), EmptyDate::none());
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec())
        return RuleOutcome::failed(saveFailedMessage());
    return RuleOutcome::done(id);
}

RuleOutcome HouseRules::checkDelete(int id) const
{
    const QString failedText = QStringLiteral("删除操作失败，请检查数据连接... ");
    QSqlQuery unpaid(m_db);
    unpaid.prepare(QStringLiteral("select count(*) from T_wyFYrec where F_mainID = :id and COALESCE(F_JFflag,0) = 0"));
    unpaid.bindValue(QStringLiteral(":id"), id);
    if (!unpaid.exec() || !unpaid.next())
        return RuleOutcome::failed(failedText);
    if (unpaid.value(0).toInt() > 0)
        return RuleOutcome::refused(QStringLiteral("此房间还有未交的费用记录，不能删除！"), 0);

    QSqlQuery balance(m_db);
    balance.prepare(QStringLiteral("select COALESCE(sum(F_price * F_operFlag),0) from T_YSKrec where F_mainID = :id"));
    balance.bindValue(QStringLiteral(":id"), id);
    if (!balance.exec() || !balance.next())
        return RuleOutcome::failed(failedText);
    // Money is compared on the four decimals the inputs hold.
    if (qRound64(balance.value(0).toDouble() * 10000.0) != 0)
        return RuleOutcome::refused(QStringLiteral("此房间还有预收款余额，不能删除！"), 0);
    return RuleOutcome::done(id);
}

RuleOutcome HouseRules::remove(int id) const
{
    db::TransactionGuard tx(m_db);
    if (!tx.isActive())
        return RuleOutcome::failed(QStringLiteral("删除操作失败，请检查数据连接... "));
    const RuleOutcome refusal = checkDelete(id);
    if (!refusal.isDone())
        return refusal;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("delete from T_FCinfo where F_ID = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !tx.commit())
        return RuleOutcome::failed(QStringLiteral("删除操作失败，请检查数据连接... "));
    return RuleOutcome::done(id);
}

}  // namespace estate
