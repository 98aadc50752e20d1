#pragma once

#include "app/codenumbering.h"
#include "db/dbsettings.h"

#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QComboBox;
class QSqlQueryModel;
class QWidget;

// The shared data services of the client: the one database connection and the
// small set of operations every window uses instead of talking to the
// connection itself, plus the values of the run (operator, database name,
// display decimals and formats).
//
// Statements are passed as text with :placeholders and a map of the values to
// bind (keys with or without the leading colon); no value is ever written into
// the statement text. Every operation catches its own database error, shows a
// fixed message and returns a neutral result (false, 0, empty); only the code
// proposals hand their failure to the caller.
//
// One instance serves the whole run and is reached through dmData(). Creating
// another instance makes it the current one until it is destroyed (tests).
class TdmData : public QObject {
    Q_OBJECT
public:
    explicit TdmData(QObject *parent = nullptr);
    ~TdmData() override;

    // --- connection -------------------------------------------------------

    // Opens the shared connection ADOcnn (the default connection) with the
    // settings and keeps them (DatabaseName, the backup needs them too).
    bool Connect(const db::DbSettings &settings, QString *error = nullptr);
    // Takes over a default connection somebody else opened (tests, the setup tool).
    void UseConnection(const db::DbSettings &settings);
    // Closes and opens the connection again with the kept settings (after a restore).
    bool Reconnect(QString *error = nullptr);
    bool Connected() const;
    QSqlDatabase ADOcnn() const;
    const db::DbSettings &ConnectionSettings() const { return m_settings; }
    // A statement object on the shared connection.
    QSqlQuery Query() const;

    // Prepares the statement on the query's connection, binds the values
    // (flags given as bool become 0/1) and runs it; a statement without
    // values is run unprepared. Nothing is shown: the query holds the error.
    static bool Execute(QSqlQuery &query, const QString &sql, const QVariantMap &binds = QVariantMap(),
                        bool forwardOnly = true);

    // --- the operations ---------------------------------------------------

    // Deletes the row of table whose F_ID is id; table is a name written in code.
    bool DeleteByID(const QString &table, qint64 id);
    bool RunSql(const QString &sql, const QVariantMap &binds = QVariantMap());

    // The first column of the first row; empty or 0 when there is no row or
    // a null. ok (optional) tells a database error from a missing row.
    QString LookupText(const QString &sql, const QVariantMap &binds = QVariantMap(), bool *ok = nullptr);
    double LookupFloat(const QString &sql, const QVariantMap &binds = QVariantMap(), bool *ok = nullptr);
    int LookupInt(const QString &sql, const QVariantMap &binds = QVariantMap(), bool *ok = nullptr);

    // Replaces the model's rows by the statement's, all fetched (so that the
    // row count is right on every engine). On error the model is left empty.
    bool OpenQuery(QSqlQueryModel *model, const QString &sql, const QVariantMap &binds = QVariantMap());
    // The same for a statement object the caller reads row by row.
    bool OpenQuery(QSqlQuery &query, const QString &sql, const QVariantMap &binds = QVariantMap());

    // Fills the drop-down list with the first column of every row, in order,
    // skipping values that are blank after trimming (the untrimmed text goes
    // in) and keeping duplicates. The current text stays as it was. On error
    // the list keeps the items it had.
    void FillCombo(const QString &sql, const QVariantMap &binds, QComboBox *combo);
    void FillCombo(const QString &sql, QComboBox *combo) { FillCombo(sql, QVariantMap(), combo); }
    // FillCombo with the values of one code-list category of t_code.
    void FillCodeList(const QString &category, QComboBox *combo);

    // The first column of every row, for the pick lists of editable grids.
    // Errors are not shown: ok is false and error holds the database's text.
    QStringList PickListValues(const QString &sql, const QVariantMap &binds, bool *ok, QString *error = nullptr);

    // Writes a row of the operation log with the current operator, date and
    // time. Fails silently.
    void WriteLog(const QString &operation);

    // The next code of a table (see CodeNumbering::nextCode) and the next
    // receipt number of a day; failures go to the caller, nothing is shown.
    CodeProposal NextCode(const QString &table, int width, const QString &column = QStringLiteral("F_code"),
                          const QString &condition = QString(), const QVariantMap &binds = QVariantMap());
    CodeProposal NextBillNo(const QString &prefix = QString(), const QDate &day = QDate::currentDate(),
                            int width = 3);

    // True when the current operator holds the permission with this code.
    bool HasPermission(const QString &code);

    // Reads the display decimals from sysInfo and builds the formats from them.
    // When sysInfo cannot be read the decimals kept so far are used.
    void BuildDisplayFormats();
    // Takes new decimals (the settings window) and builds the formats.
    void SetDisplayDecimals(int amount, int price, int total);

    // Runs the daily automatic backup (see AutoBackup::run).
    void RunAutoBackup(const QDate &today = QDate::currentDate());

    // "统计日期：自 ... 至 ..." for printed statistics.
    static QString DateRangeCaption(const QDate &from, bool fromTicked, const QDate &to, bool toTicked);

    // The folder picker dialog; returns the chosen folder, or startFolder.
    static QString ShowFolderPicker(const QString &startFolder, QWidget *parent = nullptr);

    // --- values of the run ------------------------------------------------

    QString CurrentOperator() const { return m_currentOperator; }
    void SetCurrentOperator(const QString &name) { m_currentOperator = name; }
    QString DatabaseName() const { return m_settings.database; }
    int AutoBackupMode() const { return m_autoBackupMode; }
    void SetAutoBackupMode(int mode) { m_autoBackupMode = mode; }

    int AmountDecimals() const { return m_amountDecimals; }
    int PriceDecimals() const { return m_priceDecimals; }
    int TotalDecimals() const { return m_totalDecimals; }
    QString AmountFormat() const { return m_amountFormat; }
    QString PriceFormat() const { return m_priceFormat; }
    QString TotalFormat() const { return m_totalFormat; }

signals:
    // The display formats changed; open windows may re-apply them.
    void displayFormatsChanged();

private:
    QVariant lookup(const QString &sql, const QVariantMap &binds, bool *ok);
    void report(const QString &message, const QSqlQuery &query, const QString &sql) const;

    db::DbSettings m_settings;
    QString m_currentOperator;
    int m_autoBackupMode = 0;
    int m_amountDecimals = 2;
    int m_priceDecimals = 2;
    int m_totalDecimals = 2;
    QString m_amountFormat;
    QString m_priceFormat;
    QString m_totalFormat;
    TdmData *m_previous = nullptr;
};

// The data module of the run. Created on first use if start-up has not made one.
TdmData &dmData();
