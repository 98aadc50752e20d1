#include "estate/parkingrules.h"

#include "db/dialect.h"
#include "db/transactionguard.h"
#include "estate/emptydate.h"

#include <QSqlQuery>

namespace estate {

void ParkingSale::takeHouse(const SoldHouse &house)
{
    household = house.id;
    room = house.code;
    area = house.area;
    building = house.building;
    owner = house.owner;
}

ParkingSale ParkingSale::fromRecord(const QSqlRecord &row, const QDate &today)
{
    return fromValues([&row](const QString &column) { return row.value(column); }, today);
}

ParkingSale ParkingSale::fromValues(const std::function<QVariant(const QString &column)> &valueOf, const QDate &today)
{
    auto text = [&valueOf](const char *column) { return valueOf(QString::fromLatin1(column)).toString(); };
    ParkingSale s;
    const QVariant household = valueOf(QStringLiteral("F_mainID"));
    s.household = household.isNull() ? -1 : household.toInt();
    s.room = text("F_FZcode");
    s.area = text("F_XQname");
    s.building = text("F_LDcode");
    s.owner = text("F_FZname");
    s.carCode = text("F_CarCode");
    s.phone = text("F_phone");
    s.handPhone = text("F_handPhone");
    const TickedDate from = ParkingRules::startFromStored(valueOf(QStringLiteral("F_fromDate")), today);
    const TickedDate to = ParkingRules::endFromStored(valueOf(QStringLiteral("F_toDate")), today);
    s.fromDate = from.date;
    s.fromTicked = from.ticked;
    s.toDate = to.date;
    s.toTicked = to.ticked;
    s.status = text("F_CQstatus");
    s.amount = valueOf(QStringLiteral("F_SJprice")).toDouble();
    s.memo = text("F_memo1");
    s.outOfUse = valueOf(QStringLiteral("F_flag")).toInt() != 0;
    s.employee = text("F_empName");
    return s;
}

ParkingRules::ParkingRules(QSqlDatabase db) : m_db(db) {}

QString ParkingRules::saleRefusal(const QString &status)
{
    const QString s = status.trimmed();
    if (s == QStringLiteral("出售") || s == QStringLiteral("出租"))
        return QStringLiteral("此车位已经销售或租赁！");
    return QString();
}

TickedDate ParkingRules::startFromStored(const QVariant &stored, const QDate &today)
{
    const QDate d = EmptyDate::fromStored(stored);
    if (EmptyDate::isNone(d))
        return {today, false};
    return {d, true};
}

TickedDate ParkingRules::endFromStored(const QVariant &stored, const QDate &today)
{
    const QDate d = EmptyDate::fromStored(stored);
    if (EmptyDate::isOpenEnd(d))
        return {today, false};
    return {d, true};
}

int ParkingRules::idOfCode(const QString &code, bool *ok) const
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select F_ID from T_carPos where F_code = :code") + db::Dialect::of(m_db).nocase());
    q.bindValue(QStringLiteral(":code"), code);
    *ok = q.exec();
    return *ok && q.next() ? q.value(0).toInt() : 0;
}

RuleOutcome ParkingRules::create(const QString &code, const QString &address, double salePrice, double rentPrice,
                                 const QString &memo) const
{
    const QString c = code.trimmed();
    const QString focus = QStringLiteral("edtCode");
    if (c.isEmpty())
        return RuleOutcome::refused(QStringLiteral("当前车位编号不能为空！"), 0, focus);
    const QString duplicate = QStringLiteral("车位编号重复，请重新输入！");

    // The check and the insert share one writer transaction; the unique index
    // on the number stays the last word.
    db::TransactionGuard tx(m_db, QStringLiteral("T_carPos"));
    if (!tx.isActive())
        return RuleOutcome::failed(saveFailedMessage());
    bool ok = false;
    if (idOfCode(c, &ok) > 0)
        return RuleOutcome::refused(duplicate, 0, focus);
    if (!ok)
        return RuleOutcome::failed(saveFailedMessage());

    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("insert into T_carPos(F_code,F_address,F_YSprice,F_YZprice,F_memo1,F_flag,F_fromDate,"
                             "F_toDate) values(:code,:address,:YSprice,:YZprice,:memo1,:flag,:fromDate,:toDate) "
                             "returning F_ID"));
    q.bindValue(QStringLiteral(":code"), c);
    q.bindValue(QStringLiteral(":address"), address.trimmed());
    q.bindValue(QStringLiteral(":YSprice"), salePrice);
    q.bindValue(QStringLiteral(":YZprice"), rentPrice);
    q.bindValue(QStringLiteral(":memo1"), memo);
    q.bindValue(QStringLiteral(":flag"), 0);
    q.bindValue(QStringLiteral(":fromDate"), EmptyDate::none());
    q.bindValue(QStringLiteral(":toDate"), EmptyDate::openEnd());
    if (!q.exec()) {
        tx.rollback();
        bool fine = false;
        if (idOfCode(c, &fine) > 0)
            return RuleOutcome::refused(duplicate, 0, focus);
        return RuleOutcome::failed(saveFailedMessage());
    }
    const int id = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    if (!tx.commit())
        return RuleOutcome::failed(saveFailedMessage());
    return RuleOutcome::done(id);
}

RuleOutcome ParkingRules::saveSale(int id, const ParkingSale &sale) const
{
    db::TransactionGuard tx(m_db);
    if (!tx.isActive())
        return RuleOutcome::failed(saveFailedMessage());
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update T_carPos set F_mainID = :mainID,F_FZcode = :FZcode,F_XQname = :XQname,"
                             "F_LDcode = :LDcode,F_FZname = :FZname,F_CarCode = :CarCode,F_phone = :phone,"
                             "F_handPhone = :handPhone,F_fromDate = :fromDate,F_toDate = :toDate,"
                             "F_CQstatus = :CQstatus,F_SJprice = :SJprice,F_memo1 = :memo1,F_flag = :flag,"
                             "F_empName = :empName where F_ID = :ID"));
    q.bindValue(QStringLiteral(":mainID"), sale.household);
    q.bindValue(QStringLiteral(":FZcode"), sale.room.trimmed());
    q.bindValue(QStringLiteral(":XQname"), sale.area.trimmed());
    q.bindValue(QStringLiteral(":LDcode"), sale.building.trimmed());
    q.bindValue(QStringLiteral(":FZname"), sale.owner.trimmed());
    q.bindValue(QStringLiteral(":CarCode"), sale.carCode.trimmed());
    q.bindValue(QStringLiteral(":phone"), sale.phone.trimmed());
    q.bindValue(QStringLiteral(":handPhone"), sale.handPhone.trimmed());
    q.bindValue(QStringLiteral(":fromDate"), EmptyDate::startOrNone(sale.fromDate, sale.fromTicked));
    q.bindValue(QStringLiteral(":toDate"), EmptyDate::endOrOpen(sale.toDate, sale.toTicked));
    q.bindValue(QStringLiteral(":CQstatus"), sale.status.trimmed());
    q.bindValue(QStringLiteral(":SJprice"), sale.amount);
    q.bindValue(QStringLiteral(":memo1"), sale.memo.trimmed());
    q.bindValue(QStringLiteral(":flag"), sale.outOfUse ? 1 : 0);
    q.bindValue(QStringLiteral(":empName"), sale.employee.trimmed());
    q.bindValue(QStringLiteral(":ID"), id);
    if (!q.exec() || !tx.commit())
        return RuleOutcome::failed(saveFailedMessage());
    return RuleOutcome::done(id);
}

}  // namespace estate
