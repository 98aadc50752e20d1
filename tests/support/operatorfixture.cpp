#include "operatorfixture.h"

#include "access/loginrules.h"
#include "access/session.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/passwordcodec.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

OperatorFixture::OperatorFixture()
    : m_db(std::make_unique<TestDatabase>())
{
    m_data = std::make_unique<TdmData>();
    m_data->UseConnection(m_db->settings());
    Session::current().clear();
    m_config = std::make_unique<AppConfig>(m_dir.filePath(QStringLiteral("Config.ini")));
    m_configLoaded = m_config->load();
}

OperatorFixture::~OperatorFixture()
{
    Session::current().clear();
}

bool OperatorFixture::databaseIsValid() const
{
    return m_db->isValid();
}

void OperatorFixture::addOperator(const QString &name, const QStringList &codes, const QString &password)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into OperList(F_Name, F_PassWord, F_Flag, F_XQflag) "
                                     "values(:name, :pass, 0, 0)")));
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":pass"), SavePass(password));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    for (const QString &code : codes) {
        QSqlQuery grant;
        QVERIFY(grant.prepare(QStringLiteral("insert into OperLimit(F_OperName, F_lmtName) "
                                             "select :name, F_name from Limits where F_code = :code")));
        grant.bindValue(QStringLiteral(":name"), name);
        grant.bindValue(QStringLiteral(":code"), code);
        QVERIFY2(grant.exec(), qPrintable(grant.lastError().text()));
        QCOMPARE(grant.numRowsAffected(), 1);
    }
}

void OperatorFixture::logIn(const QString &name, const QString &password)
{
    ScriptedMessages quiet;
    LoginRules rules(LoginRules::StartUp, m_config.get());
    QCOMPARE(rules.confirm(name, password).result, LoginRules::Result::LoggedIn);
}
