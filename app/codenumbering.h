#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// The outcome of proposing a code: the code, or the reason there is none
// (a database error). Convertible to bool for "if (auto p = ...)".
struct CodeProposal {
    QString code;
    QString error;
    bool ok = false;

    explicit operator bool() const { return ok; }
    static CodeProposal success(const QString &code) { return {code, QString(), true}; }
    static CodeProposal failure(const QString &error) { return {QString(), error, false}; }
};

// Proposes the next code of a table and the next receipt number of a day.
//
// A code is a prefix followed by a numeric tail of a fixed width. The next
// code keeps the prefix and adds one to the tail, keeping its leading zeros;
// when the tail runs over (999) it grows by one digit (1000) instead of
// wrapping, and digits that end the prefix take the carry (1999 gives 2000). The "largest" stored code is the longest, then textually largest
// one whose last width characters are digits, so that 1000 comes after 999
// and codes typed with letters at the end never block new records.
class CodeNumbering {
public:
    // The code that follows largest. The tail is everything after the first
    // prefixLength characters; with a negative prefixLength it is the last
    // width characters (all of largest if it is shorter). An empty largest
    // gives width zeros plus one ("001" for width 3). Returns an empty text
    // when the tail is not a decimal number.
    static QString nextAfter(const QString &largest, int width, int prefixLength = -1);

    // The next code of table.column with a tail of width digits. condition is
    // an optional extra SQL condition with :placeholders whose values are in
    // binds (for example "F_XQname = :area"). Table and column names must be
    // plain identifiers written in code.
    static CodeProposal nextCode(QSqlDatabase db, const QString &table, int width,
                                 const QString &column = QStringLiteral("F_code"),
                                 const QString &condition = QString(),
                                 const QVariantMap &binds = QVariantMap());

    // The next number of day in table.column: prefix + yyyyMMdd + a serial of
    // width digits. The day's first number ends in 0..01; later ones add one
    // to the largest serial of that day (999 is followed by 1000).
    static CodeProposal nextBillNo(QSqlDatabase db, const QString &prefix, const QDate &day,
                                   int width = 3,
                                   const QString &table = QStringLiteral("T_wyFKrec"),
                                   const QString &column = QStringLiteral("F_code"));

    // True for a plain SQL identifier (letters, digits, underscores).
    static bool isIdentifier(const QString &name);
};
