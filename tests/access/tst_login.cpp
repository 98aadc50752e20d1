#include "access/session.h"
#include "access/tfrmoperlogin.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/passwordcodec.h"
#include "dbtestmain.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// The login dialog driven as the user drives it: what it accepts, what it
// refuses, the counter of wrong passwords, the log rows and the values of the
// run it leaves behind.
class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void offersEnabledOperatorsAndLastName();
    void emptyNameIsRefused();
    void unknownOrDisabledOperatorIsRefused_data();
    void unknownOrDisabledOperatorIsRefused();
    void adminInAnyCaseIsSuperUser_data();
    void adminInAnyCaseIsSuperUser();
    void passwordIsComparedExactly_data();
    void passwordIsComparedExactly();
    void fourthWrongPasswordAtStartUpEndsProgram();
    void fourthWrongPasswordOnChangeKeepsOperator();
    void cancel_data();
    void cancel();
    void counterStartsAgainWithEachOpening();
    void restrictedOperatorGetsScopeAndAdminLiftsIt();
    void enterMovesToNextControl();
    void altF4IsSwallowed();

private:
    void addOperator(const QString &name, const QString &password, int disabled = 0, int areaFlag = 0,
                     const QString &areas = QString());
    void typeInto(QWidget *widget, const QString &text);
    void tryLogin(TfrmOperLogin &dialog, const QString &name, const QString &password);
    QList<QStringList> logRows();
    void logInDirectly(const QString &name);

    TestDatabase *m_db = nullptr;
    TdmData *m_data = nullptr;
    QTemporaryDir m_dir;
    AppConfig *m_config = nullptr;
};

void TestLogin::init()
{
    m_db = new TestDatabase;
    QVERIFY(m_db->isValid());
    m_data = new TdmData;
    m_data->UseConnection(m_db->settings());
    Session::current().clear();
    QFile::remove(m_dir.filePath(QStringLiteral("Config.ini")));
    m_config = new AppConfig(m_dir.filePath(QStringLiteral("Config.ini")));
    QVERIFY(m_config->load());
}

void TestLogin::cleanup()
{
    Session::current().clear();
    delete m_config;
    m_config = nullptr;
    delete m_data;
    m_data = nullptr;
    delete m_db;
    m_db = nullptr;
}

void TestLogin::addOperator(const QString &name, const QString &password, int disabled, int areaFlag,
                            const QString &areas)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into OperList(F_Name, F_PassWord, F_Flag, F_XQflag, F_XQname) "
                                     "values(:name, :pass, :flag, :xqflag, :xqname)")));
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":pass"), SavePass(password));
    q.bindValue(QStringLiteral(":flag"), disabled);
    q.bindValue(QStringLiteral(":xqflag"), areaFlag);
    q.bindValue(QStringLiteral(":xqname"), areas);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

// Chinese text cannot go through keyClicks: one key event per character.
void TestLogin::typeInto(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void TestLogin::tryLogin(TfrmOperLogin &dialog, const QString &name, const QString &password)
{
    auto *nameBox = dialog.findChild<QComboBox *>(QStringLiteral("cbbOperName"));
    auto *passwordBox = dialog.findChild<QLineEdit *>(QStringLiteral("edtPassWord"));
    QVERIFY(nameBox && passwordBox);
    nameBox->lineEdit()->clear();
    typeInto(nameBox->lineEdit(), name);
    passwordBox->clear();
    typeInto(passwordBox, password);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
}

QList<QStringList> TestLogin::logRows()
{
    QList<QStringList> rows;
    QSqlQuery q(QStringLiteral("select F_EmpName, F_OperType, F_OperDate, F_OperTime from LogRec order by F_ID"));
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return rows;
}

void TestLogin::logInDirectly(const QString &name)
{
    LoginRules rules(LoginRules::StartUp);
    ScriptedMessages quiet;
    QCOMPARE(rules.confirm(name, QString()).result, LoginRules::Result::LoggedIn);
}

void TestLogin::offersEnabledOperatorsAndLastName()
{
    addOperator(QStringLiteral("张三"), QString());
    addOperator(QStringLiteral("停用"), QString(), 1);
    addOperator(QStringLiteral("   "), QString());
    QVERIFY(m_config->setCurOperName(QStringLiteral("张三")));

    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    auto *nameBox = dialog.findChild<QComboBox *>(QStringLiteral("cbbOperName"));
    QVERIFY(nameBox);
    QStringList offered;
    for (int i = 0; i < nameBox->count(); ++i)
        offered.append(nameBox->itemText(i));
    QCOMPARE(offered, (QStringList{QStringLiteral("admin"), QStringLiteral("张三")}));
    QCOMPARE(nameBox->currentText(), QStringLiteral("张三"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("登录窗口"));
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edtPassWord"))->echoMode(), QLineEdit::Password);
}

void TestLogin::emptyNameIsRefused()
{
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    tryLogin(dialog, QStringLiteral("   "), QString());
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("请选择用户！")});
    QCOMPARE(messages.last().kind, int(MessInformation));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.rules().wrongPasswords(), 0);
    QVERIFY(Session::current().currentOperator().isEmpty());
}

void TestLogin::unknownOrDisabledOperatorIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown") << QStringLiteral("李四");
    QTest::newRow("disabled") << QStringLiteral("停用");
}

void TestLogin::unknownOrDisabledOperatorIsRefused()
{
    QFETCH(QString, name);
    addOperator(QStringLiteral("停用"), QString(), 1);
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    // More tries than wrong passwords may be made: the counter never moves.
    for (int i = 0; i < 5; ++i)
        tryLogin(dialog, name, QString());
    QCOMPARE(messages.count(), 5);
    QCOMPARE(messages.last().text, QStringLiteral("此操作员并不存在，请重新选择操作员！"));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.programEnded());
    QCOMPARE(dialog.rules().wrongPasswords(), 0);
    QVERIFY(logRows().isEmpty());
}

void TestLogin::adminInAnyCaseIsSuperUser_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("operatorName");
    QTest::newRow("Admin with blanks") << QStringLiteral("  Admin  ") << QStringLiteral("Admin");
    QTest::newRow("ADMIN") << QStringLiteral("ADMIN") << QStringLiteral("ADMIN");
    QTest::newRow("admin") << QStringLiteral("admin") << QStringLiteral("admin");
}

void TestLogin::adminInAnyCaseIsSuperUser()
{
    QFETCH(QString, typed);
    QFETCH(QString, operatorName);
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    tryLogin(dialog, typed, QString());
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    const Session &session = Session::current();
    QCOMPARE(session.currentOperator(), operatorName);
    QCOMPARE(dmData().CurrentOperator(), operatorName);
    QVERIFY(session.isAdmin());
    QCOMPARE(session.areaScopeFlag(), 0);
    QVERIFY(session.areaScopeClause().isEmpty());
    QCOMPARE(session.permittedCodes().size(), 34);

    AppConfig reread(m_config->path());
    QVERIFY(reread.load());
    QCOMPARE(reread.curOperName(), operatorName);
}

void TestLogin::passwordIsComparedExactly_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty, empty box") << QString() << QString() << true;
    QTest::newRow("empty, a blank") << QString() << QStringLiteral(" ") << false;
    QTest::newRow("empty, text") << QString() << QStringLiteral("x") << false;
    QTest::newRow("same") << QStringLiteral("Pa55 ") << QStringLiteral("Pa55 ") << true;
    QTest::newRow("letter case counts") << QStringLiteral("Pa55") << QStringLiteral("pa55") << false;
    QTest::newRow("blanks are not trimmed") << QStringLiteral("Pa55") << QStringLiteral("Pa55 ") << false;
    QTest::newRow("stored blank kept") << QStringLiteral("Pa55 ") << QStringLiteral("Pa55") << false;
    QTest::newRow("empty box for a password") << QStringLiteral("Pa55") << QString() << false;
}

void TestLogin::passwordIsComparedExactly()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    addOperator(QStringLiteral("张三"), stored);
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    tryLogin(dialog, QStringLiteral("张三"), typed);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    if (accepted) {
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(Session::current().currentOperator(), QStringLiteral("张三"));
        QVERIFY(!Session::current().isAdmin());
    } else {
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("用户名或密码不正确，请重新输入！")});
        QCOMPARE(dialog.rules().wrongPasswords(), 1);
        QVERIFY(Session::current().currentOperator().isEmpty());
    }
}

void TestLogin::fourthWrongPasswordAtStartUpEndsProgram()
{
    addOperator(QStringLiteral("张三"), QStringLiteral("secret"));
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    for (int i = 1; i <= 3; ++i) {
        tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("wrong"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.rules().wrongPasswords(), i);
    }
    QVERIFY(logRows().isEmpty());
    tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("wrong"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.programEnded());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(messages.last().text, QStringLiteral("非法操作员!"));
    QCOMPARE(messages.last().kind, int(MessError));

    const QList<QStringList> rows = logRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).at(0), QString());            // nobody was logged in yet
    QCOMPARE(rows.at(0).at(1), QStringLiteral("登录失败！"));
    QVERIFY(QDate::fromString(rows.at(0).at(2), QStringLiteral("yyyy-MM-dd")).isValid());
    QVERIFY(QTime::fromString(rows.at(0).at(3), QStringLiteral("HH:mm:ss")).isValid());
}

void TestLogin::fourthWrongPasswordOnChangeKeepsOperator()
{
    addOperator(QStringLiteral("张三"), QStringLiteral("secret"));
    addOperator(QStringLiteral("王五"), QString(), 0, 1, QStringLiteral("'A'"));
    logInDirectly(QStringLiteral("王五"));
    const QString clauseBefore = Session::current().areaScopeClause();
    QVERIFY(!clauseBefore.isEmpty());

    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::ChangeOperator, m_config);
    dialog.show();
    for (int i = 0; i < 4; ++i)
        tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("wrong"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.programEnded());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(messages.texts().mid(0, 3), QStringList(3, QStringLiteral("用户名或密码不正确，请重新输入！")));
    QCOMPARE(messages.last().text, QStringLiteral("更换操作员失败!"));
    QCOMPARE(messages.last().kind, int(MessError));

    QCOMPARE(Session::current().currentOperator(), QStringLiteral("王五"));
    QCOMPARE(Session::current().areaScopeClause(), clauseBefore);
    const QList<QStringList> rows = logRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.at(0).at(0), QStringLiteral("王五"));   // the operator logged in, not the name tried
    QCOMPARE(rows.at(0).at(1), QStringLiteral("更换操作员失败！"));
}

void TestLogin::cancel_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("ends");
    QTest::newRow("start-up") << int(LoginRules::StartUp) << true;
    QTest::newRow("change of operator") << int(LoginRules::ChangeOperator) << false;
}

void TestLogin::cancel()
{
    QFETCH(int, mode);
    QFETCH(bool, ends);
    addOperator(QStringLiteral("王五"), QString(), 0, 1, QStringLiteral("'A'"));
    logInDirectly(QStringLiteral("王五"));
    ScriptedMessages messages;
    TfrmOperLogin dialog(mode, m_config);
    dialog.show();
    dialog.findChild<QComboBox *>(QStringLiteral("cbbOperName"))->setEditText(QStringLiteral("admin"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.programEnded(), ends);
    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(Session::current().currentOperator(), QStringLiteral("王五"));
    QVERIFY(!Session::current().isAdmin());
    QVERIFY(logRows().isEmpty());
}

void TestLogin::counterStartsAgainWithEachOpening()
{
    addOperator(QStringLiteral("张三"), QStringLiteral("secret"));
    ScriptedMessages messages;
    {
        TfrmOperLogin dialog(LoginRules::ChangeOperator, m_config);
        dialog.show();
        for (int i = 0; i < 3; ++i)
            tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("wrong"));
        QCOMPARE(dialog.rules().wrongPasswords(), 3);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    }
    TfrmOperLogin dialog(LoginRules::ChangeOperator, m_config);
    dialog.show();
    QCOMPARE(dialog.rules().wrongPasswords(), 0);
    tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("wrong"));
    QVERIFY(dialog.isVisible());
    tryLogin(dialog, QStringLiteral("张三"), QStringLiteral("secret"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(logRows().isEmpty());
}

void TestLogin::restrictedOperatorGetsScopeAndAdminLiftsIt()
{
    addOperator(QStringLiteral("王五"), QString(), 0, 1, QStringLiteral("'A','O''Brien'"));
    ScriptedMessages messages;
    {
        TfrmOperLogin dialog(LoginRules::StartUp, m_config);
        dialog.show();
        tryLogin(dialog, QStringLiteral("王五"), QString());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    const Session &session = Session::current();
    QCOMPARE(session.areaScopeFlag(), 1);
    QCOMPARE(session.areaScopeList(), QStringLiteral("'A','O''Brien'"));
    QCOMPARE(session.areaScope().names(), (QStringList{QStringLiteral("A"), QStringLiteral("O'Brien")}));
    QVERIFY(session.permittedCodes().isEmpty());

    TfrmOperLogin change(LoginRules::ChangeOperator, m_config);
    change.show();
    tryLogin(change, QStringLiteral("admin"), QString());
    QCOMPARE(change.result(), int(QDialog::Accepted));
    QCOMPARE(session.areaScopeFlag(), 0);
    QVERIFY(session.areaScopeList().isEmpty());
    QVERIFY(session.areaScopeClause().isEmpty());
    QVERIFY(session.areaNameScopeClause().isEmpty());
}

void TestLogin::enterMovesToNextControl()
{
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *nameBox = dialog.findChild<QComboBox *>(QStringLiteral("cbbOperName"));
    auto *passwordBox = dialog.findChild<QLineEdit *>(QStringLiteral("edtPassWord"));
    nameBox->setFocus();
    QTest::keyClick(nameBox->lineEdit(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), passwordBox);
    QTest::keyClick(passwordBox, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog.findChild<QPushButton *>(QStringLiteral("btnOk")));
    QVERIFY(dialog.isVisible());
}

void TestLogin::altF4IsSwallowed()
{
    ScriptedMessages messages;
    TfrmOperLogin dialog(LoginRules::StartUp, m_config);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.close());
    QTest::keyClick(&dialog, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.programEnded());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
}

VEL_DB_TEST_MAIN(TestLogin)
#include "tst_login.moc"
