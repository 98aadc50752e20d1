#pragma once

#include "estate/housemodes.h"
#include "estate/ruleoutcome.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace estate {

// The rules of the house register: saving a house in each mode of the edit
// window with its checks, vacating a house and deleting one.
//
// Values are keyed by column name (F_XQname, F_code ...). Texts come as typed
// and are trimmed here, except the house and contract remarks; numbers may be
// empty (stored as 0); F_HTdate and F_RZdate are QDates, and an invalid
// F_RZdate means the move-in date is not set.
class HouseRules {
public:
    explicit HouseRules(QSqlDatabase db = QSqlDatabase::database());

    // The columns the edit window writes, in the order of its statements.
    static QStringList editColumns();

    // The contract date to store. A house whose contract date was never set
    // keeps it unset when the operator leaves the date alone, except in the
    // modes that create a house or sell one, which store what the picker shows.
    static QDate contractDateToStore(HouseMode mode, bool storedWasNone, bool touched, const QDate &picker);

    // Refusal of a sale of a house already sold or occupied; empty when allowed.
    static QString saleRefusal(const QString &status);

    // Checks and writes one house. editedId is the row changed in the modes
    // that update (change, sale, move-in).
    RuleOutcome save(HouseMode mode, const QVariantMap &values, int editedId) const;

    // Empties the resident of a house; owner, contract and status stay.
    RuleOutcome vacate(int id) const;

    // Why a house may not be deleted (unpaid fee records, prepayment money
    // left), or empty when it may.
    RuleOutcome checkDelete(int id) const;
    // Deletes a house unless checkDelete refuses, checked again in the same
    // transaction as the delete.
    RuleOutcome remove(int id) const;

    static QString saveFailedMessage() { return QStringLiteral("保存失败，请检测数据库连接！"); }

private:
    RuleOutcome check(HouseMode mode, const QVariantMap &values, int editedId) const;
    QVariantMap normalised(const QVariantMap &values) const;

    QSqlDatabase m_db;
};

}  // namespace estate
