#include "access/loginrules.h"

#include "access/session.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/messages.h"
#include "app/passwordcodec.h"

#include <QSqlQuery>

namespace {

const int kAllowedWrongPasswords = 3;

}  // namespace

LoginRules::LoginRules(int mode, AppConfig *config)
    : m_mode(mode == ChangeOperator ? ChangeOperator : StartUp), m_config(config)
{
}

QStringList LoginRules::operatorNames()
{
    TdmData &data = dmData();
    QSqlQuery query = data.Query();
    QStringList names;
    if (!data.OpenQuery(query, QStringLiteral("select F_name from OperList "
                                              "where F_name <> '' and COALESCE(F_flag,0) = 0 order by F_ID")))
        return names;
    while (query.next()) {
        const QString name = query.value(0).toString();
        if (!name.trimmed().isEmpty())
            names.append(name);
    }
    return names;
}

QString LoginRules::lastOperator() const
{
    return m_config ? m_config->curOperName() : QString();
}

LoginRules::Verdict LoginRules::confirm(const QString &typedName, const QString &password)
{
    const QString name = typedName.trimmed();
    if (name.isEmpty())
        return {Result::Stay, QStringLiteral("请选择用户！"), MessInformation, true};

    TdmData &data = dmData();
    const QVariantMap byName{{QStringLiteral("name"), name}};
    const int id = data.LookupInt(
        QStringLiteral("select F_ID from OperList where (F_name = :name) and (COALESCE(F_flag,0) = 0) "), byName);
    if (id <= 0)
        return {Result::Stay, QStringLiteral("此操作员并不存在，请重新选择操作员！"), MessInformation, true};

    bool read = false;
    const QString stored =
        data.LookupText(QStringLiteral("select f_PassWord from OperList where F_ID = :id"),
                        {{QStringLiteral("id"), id}}, &read);
    // A password that could not be read never matches, not even an empty box.
    if (read && GetPass(stored) == password) {
        Session::current().logIn(name);
        if (m_config)
            m_config->setCurOperName(name);
        return {Result::LoggedIn, QString(), MessInformation, false};
    }

    ++m_wrongPasswords;
    if (m_wrongPasswords <= kAllowedWrongPasswords)
        return {Result::Stay, QStringLiteral("用户名或密码不正确，请重新输入！"), MessInformation, false};

    // The log row names the operator logged in at this moment, not the name tried.
    if (m_mode == ChangeOperator) {
        data.WriteLog(QStringLiteral("更换操作员失败！"));
        return {Result::GiveUp, QStringLiteral("更换操作员失败!"), MessError, false};
    }
    data.WriteLog(QStringLiteral("登录失败！"));
    return {Result::EndProgram, QStringLiteral("非法操作员!"), MessError, false};
}

LoginRules::Verdict LoginRules::cancel() const
{
    return {m_mode == ChangeOperator ? Result::GiveUp : Result::EndProgram, QString(), MessInformation, false};
}
