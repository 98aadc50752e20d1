#pragma once

#include "estate/housepickerquery.h"
#include "estate/ruleoutcome.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <functional>

namespace estate {

// A stored date as the tick-box date inputs show it.
struct TickedDate {
    QDate date;
    bool ticked = false;
};

// What the sale window writes to a parking space: the household (chosen with
// the house picker, or -1), the vehicle, the period, the status and the amount.
struct ParkingSale {
    int household = -1;
    QString room;
    QString area;
    QString building;
    QString owner;
    QString carCode;
    QString phone;
    QString handPhone;
    QDate fromDate;
    bool fromTicked = false;
    QDate toDate;
    bool toTicked = false;
    QString status;
    double amount = 0;
    QString memo;
    bool outOfUse = false;
    QString employee;

    // Takes over the household's room, area, building and owner.
    void takeHouse(const SoldHouse &house);

    // The values of a stored space as the change mode loads them; dates not
    // set show as today, unticked.
    static ParkingSale fromRecord(const QSqlRecord &row, const QDate &today);
    // The same from any source of column values (a list window's current row).
    static ParkingSale fromValues(const std::function<QVariant(const QString &column)> &valueOf, const QDate &today);
};

// The rules of the parking register: creating a space, the sale guard, and
// writing a sale, rent or change, with the empty-date markers.
class ParkingRules {
public:
    explicit ParkingRules(QSqlDatabase db = QSqlDatabase::database());

    // Refusal of a sale of a space that is already sold or rented; empty when allowed.
    static QString saleRefusal(const QString &status);

    // A start date earlier than 1901-08-14 shows as today, unticked.
    static TickedDate startFromStored(const QVariant &stored, const QDate &today);
    // An end date later than 3000-08-13 shows as today, unticked.
    static TickedDate endFromStored(const QVariant &stored, const QDate &today);

    // Registers a new space with no household, status or amount.
    RuleOutcome create(const QString &code, const QString &address, double salePrice, double rentPrice,
                       const QString &memo) const;

    // Writes the sale window's values over the space's row.
    RuleOutcome saveSale(int id, const ParkingSale &sale) const;

    static QString saveFailedMessage() { return QStringLiteral("保存失败，请检测数据库连接！"); }

private:
    int idOfCode(const QString &code, bool *ok) const;

    QSqlDatabase m_db;
};

}  // namespace estate
