#include "app/datamodule.h"

#include "app/autobackup.h"
#include "app/folderpicker.h"
#include "app/messages.h"
#include "app/numberformat.h"
#include "db/connection.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QSqlRecord>

Q_LOGGING_CATEGORY(lcData, "velmora.data")

namespace {

const QString kDeleteFailed = QStringLiteral("删除操作失败，请检查数据连接... ");
const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
const QString kOpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");

TdmData *g_current = nullptr;

// Decimals outside this range make no sense on screen and would build absurd formats.
int clampDecimals(int decimals)
{
    return qBound(0, decimals, 10);
}

}  // namespace

TdmData::TdmData(QObject *parent) : QObject(parent), m_previous(g_current)
{
    g_current = this;
    SetDisplayDecimals(m_amountDecimals, m_priceDecimals, m_totalDecimals);
}

TdmData::~TdmData()
{
    if (g_current == this)
        g_current = m_previous;
}

TdmData &dmData()
{
    if (!g_current) {
        // Lives until the program ends; start-up normally creates the module first.
        static TdmData *fallback = new TdmData;
        g_current = fallback;
    }
    return *g_current;
}

// --- connection -------------------------------------------------------------

bool TdmData::Connect(const db::DbSettings &settings, QString *error)
{
    m_settings = settings;
    return db::openConnection(settings, QLatin1String(QSqlDatabase::defaultConnection), error);
}

void TdmData::UseConnection(const db::DbSettings &settings)
{
    m_settings = settings;
}

bool TdmData::Reconnect(QString *error)
{
    {
        QSqlDatabase db = ADOcnn();
        if (db.isValid())
            db.close();
    }
    return Connect(m_settings, error);
}

bool TdmData::Connected() const
{
    return ADOcnn().isOpen();
}

QSqlDatabase TdmData::ADOcnn() const
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

QSqlQuery TdmData::Query() const
{
    return QSqlQuery(ADOcnn());
}

// --- helpers ----------------------------------------------------------------

bool TdmData::Execute(QSqlQuery &query, const QString &sql, const QVariantMap &binds, bool forwardOnly)
{
    query.setForwardOnly(forwardOnly);
    // PostgreSQL cannot prepare every kind of statement (DDL, VACUUM); one
    // without values needs no preparing.
    if (binds.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (auto it = binds.cbegin(); it != binds.cend(); ++it) {
        const QString name = it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key();
        QVariant value = it.value();
        // Flags are stored as 0/1 numbers; a bool would reach PostgreSQL as TRUE/FALSE.
        if (value.typeId() == QMetaType::Bool)
            value = value.toBool() ? 1 : 0;
        query.bindValue(name, value);
    }
    return query.exec();
}

void TdmData::report(const QString &message, const QSqlQuery &query, const QString &sql) const
{
    qCWarning(lcData).noquote() << query.lastError().text() << "in" << sql.simplified();
    ShowMess(message, MessError);
}

QVariant TdmData::lookup(const QString &sql, const QVariantMap &binds, bool *ok)
{
    QSqlQuery query(ADOcnn());
    if (!Execute(query, sql, binds)) {
        report(kOperationFailed, query, sql);
        if (ok)
            *ok = false;
        return QVariant();
    }
    if (ok)
        *ok = true;
    return query.next() ? query.value(0) : QVariant();
}

// --- operations -------------------------------------------------------------

bool TdmData::DeleteByID(const QString &table, qint64 id)
{
    QSqlQuery query(ADOcnn());
    const QString sql = QStringLiteral("delete from ") + table + QStringLiteral(" where F_ID = :id");
    if (!CodeNumbering::isIdentifier(table) || !Execute(query, sql, {{QStringLiteral(":id"), id}})) {
        report(kDeleteFailed, query, sql);
        return false;
    }
    return true;
}

bool TdmData::RunSql(const QString &sql, const QVariantMap &binds)
{
    QSqlQuery query(ADOcnn());
    if (!Execute(query, sql, binds)) {
        report(kOperationFailed, query, sql);
        return false;
    }
    return true;
}

QString TdmData::LookupText(const QString &sql, const QVariantMap &binds, bool *ok)
{
    const QVariant value = lookup(sql, binds, ok);
    return value.isNull() ? QString() : value.toString();
}

double TdmData::LookupFloat(const QString &sql, const QVariantMap &binds, bool *ok)
{
    const QVariant value = lookup(sql, binds, ok);
    return value.isNull() ? 0.0 : value.toDouble();
}

int TdmData::LookupInt(const QString &sql, const QVariantMap &binds, bool *ok)
{
    const QVariant value = lookup(sql, binds, ok);
    return value.isNull() ? 0 : value.toInt();
}

bool TdmData::OpenQuery(QSqlQueryModel *model, const QString &sql, const QVariantMap &binds)
{
    model->clear();
    QSqlQuery query(ADOcnn());
    // The model moves back and forth through the rows it holds.
    if (!Execute(query, sql, binds, false)) {
        report(kOpenFailed, query, sql);
        return false;
    }
    model->setQuery(std::move(query));
    while (model->canFetchMore())
        model->fetchMore();
    if (model->lastError().isValid()) {
        qCWarning(lcData).noquote() << model->lastError().text() << "in" << sql.simplified();
        model->clear();
        ShowMess(kOpenFailed, MessError);
        return false;
    }
    return true;
}

bool TdmData::OpenQuery(QSqlQuery &query, const QString &sql, const QVariantMap &binds)
{
    query = QSqlQuery(ADOcnn());
    if (!Execute(query, sql, binds)) {
        report(kOpenFailed, query, sql);
        query = QSqlQuery(ADOcnn());
        return false;
    }
    return true;
}

void TdmData::FillCombo(const QString &sql, const QVariantMap &binds, QComboBox *combo)
{
    QSqlQuery query(ADOcnn());
    if (!Execute(query, sql, binds)) {
        report(kOperationFailed, query, sql);
        return;
    }
    QStringList items;
    while (query.next()) {
        const QString text = query.value(0).toString();
        if (!text.trimmed().isEmpty())
            items << text;
    }
    const QString current = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items);
    if (combo->isEditable())
        combo->setEditText(current);
    else
        combo->setCurrentIndex(current.isEmpty() ? -1 : combo->findText(current));
}

void TdmData::FillCodeList(const QString &category, QComboBox *combo)
{
    FillCombo(QStringLiteral("select F_name from t_code where F_type = :type order by F_ID"),
              {{QStringLiteral(":type"), category}}, combo);
}

QStringList TdmData::PickListValues(const QString &sql, const QVariantMap &binds, bool *ok, QString *error)
{
    QSqlQuery query(ADOcnn());
    QStringList values;
    const bool done = Execute(query, sql, binds);
    if (done) {
        while (query.next())
            values << query.value(0).toString();
    } else if (error) {
        *error = query.lastError().text();
    }
    if (ok)
        *ok = done;
    return values;
}

void TdmData::WriteLog(const QString &operation)
{
    QSqlQuery query(ADOcnn());
    const QDateTime now = QDateTime::currentDateTime();
    Execute(query,
                  QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) "
                                 "values(:EmpName,:OperType,:OperDate,:OperTime)"),
                  {{QStringLiteral(":EmpName"), m_currentOperator},
                   {QStringLiteral(":OperType"), operation},
                   {QStringLiteral(":OperDate"), now.date().toString(QStringLiteral("yyyy-MM-dd"))},
                   {QStringLiteral(":OperTime"), now.time().toString(QStringLiteral("HH:mm:ss"))}});
}

CodeProposal TdmData::NextCode(const QString &table, int width, const QString &column, const QString &condition,
                               const QVariantMap &binds)
{
    return CodeNumbering::nextCode(ADOcnn(), table, width, column, condition, binds);
}

CodeProposal TdmData::NextBillNo(const QString &prefix, const QDate &day, int width)
{
    return CodeNumbering::nextBillNo(ADOcnn(), prefix, day, width);
}

bool TdmData::HasPermission(const QString &code)
{
    return LookupInt(QStringLiteral("select O.F_ID from OperLimit O left join Limits L on O.F_lmtName = L.F_name "
                                    "where O.F_OperName = :oper and L.F_code = :code"),
                     {{QStringLiteral(":oper"), m_currentOperator}, {QStringLiteral(":code"), code}})
           > 0;
}

void TdmData::BuildDisplayFormats()
{
    QSqlQuery query(ADOcnn());
    const QString sql = QStringLiteral("select F_iAmount, F_iPrice, F_iTotal from sysInfo");
    if (!Execute(query, sql, {})) {
        qCWarning(lcData).noquote() << query.lastError().text() << "in" << sql;
    } else if (query.next()) {
        m_amountDecimals = query.value(0).toInt();
        m_priceDecimals = query.value(1).toInt();
        m_totalDecimals = query.value(2).toInt();
    }
    SetDisplayDecimals(m_amountDecimals, m_priceDecimals, m_totalDecimals);
}

void TdmData::SetDisplayDecimals(int amount, int price, int total)
{
    m_amountDecimals = clampDecimals(amount);
    m_priceDecimals = clampDecimals(price);
    m_totalDecimals = clampDecimals(total);
    m_amountFormat = NumberFormat::amountFormat(m_amountDecimals);
    m_priceFormat = NumberFormat::moneyFormat(m_priceDecimals);
    m_totalFormat = NumberFormat::moneyFormat(m_totalDecimals);
    emit displayFormatsChanged();
}

void TdmData::RunAutoBackup(const QDate &today)
{
    AutoBackup::run(*this, today);
}

QString TdmData::DateRangeCaption(const QDate &from, bool fromTicked, const QDate &to, bool toTicked)
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    return QStringLiteral("统计日期：自 ") + (fromTicked ? from.toString(format) : QStringLiteral("启用系统"))
           + QStringLiteral(" 至 ") + (toTicked ? to.toString(format) : QStringLiteral("记帐最后一天"));
}

QString TdmData::ShowFolderPicker(const QString &startFolder, QWidget *parent)
{
    return TDlgSelectPath::pick(startFolder, parent);
}
