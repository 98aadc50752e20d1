#include "access/permissioncatalog.h"
#include "access/session.h"
#include "access/tfrmoperlogin.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "dbtestmain.h"
#include "operatorfixture.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The operator's permissions: read at login from OperLimit and Limits, and
// applied to the main window's actions, menu items, desktop buttons and menu
// groups.
class TestPermissions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void catalogue();
    void grantsAreReadWithoutRegardToLetterCase();
    void removedCatalogueEntryIsWithdrawnAtNextLogin();
    void permissionsShowExactlyTheGrantedFunctions_data();
    void permissionsShowExactlyTheGrantedFunctions();
    void changeOfOperatorThroughMenu();

private:
    QStringList visibleMenuBar(TFrmMain &window) const;
    // Answers the next login dialog that opens with the name and password.
    void answerLogin(const QString &name, const QString &password);

    std::unique_ptr<OperatorFixture> m_fixture;
};

void TestPermissions::init()
{
    m_fixture = std::make_unique<OperatorFixture>();
    QVERIFY(m_fixture->databaseIsValid());
    QVERIFY(m_fixture->configLoaded());
}

void TestPermissions::cleanup()
{
    m_fixture.reset();
}

QStringList TestPermissions::visibleMenuBar(TFrmMain &window) const
{
    QStringList names;
    for (QAction *action : window.menuBar()->actions()) {
        if (action->isVisible())
            names.append(action->objectName());
    }
    return names;
}

void TestPermissions::answerLogin(const QString &name, const QString &password)
{
    QTimer::singleShot(0, this, [name, password] {
        auto *dialog = qobject_cast<TfrmOperLogin *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QComboBox *>(QStringLiteral("cbbOperName"))->setEditText(name);
        dialog->findChild<QLineEdit *>(QStringLiteral("edtPassWord"))->setText(password);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
        // A wrong password leaves the dialog open: give up then.
        if (dialog->isVisible())
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnCancel")), Qt::LeftButton);
    });
}

// The catalogue of the program and the seeded Limits table name the same 34 codes.
void TestPermissions::catalogue()
{
    QCOMPARE(PermissionCatalog::actions().size(), 34);
    QStringList seeded;
    QSqlQuery q(QStringLiteral("select F_code from Limits order by F_code"));
    while (q.next())
        seeded.append(q.value(0).toString());
    QStringList codes = PermissionCatalog::allCodes();
    codes.sort();
    QCOMPARE(seeded, codes);
    int grouped = 0;
    for (const ActionGroup &group : PermissionCatalog::groups()) {
        for (const QString &code : group.codes)
            QCOMPARE(code.left(1), group.name.mid(2, 1));
        grouped += int(group.codes.size());
    }
    QCOMPARE(grouped, 34);
}

// Operator names are written in varying letter case by different windows.
void TestPermissions::grantsAreReadWithoutRegardToLetterCase()
{
    OperatorFixture::addOperator(QStringLiteral("Zhang"), {});
    QSqlQuery grant;
    QVERIFY(grant.prepare(QStringLiteral("insert into OperLimit(F_OperName, F_lmtName) "
                                         "select :name, F_name from Limits where F_code = :code")));
    grant.bindValue(QStringLiteral(":name"), QStringLiteral("ZHANG"));
    grant.bindValue(QStringLiteral(":code"), QStringLiteral("403"));
    QVERIFY2(grant.exec(), qPrintable(grant.lastError().text()));
    m_fixture->logIn(QStringLiteral("zhang"));
    QCOMPARE(Session::current().permittedCodes(), QSet<QString>{QStringLiteral("403")});
    QVERIFY(!Session::current().isAdmin());
}

void TestPermissions::removedCatalogueEntryIsWithdrawnAtNextLogin()
{
    OperatorFixture::addOperator(QStringLiteral("张三"), {"201", "304"});
    m_fixture->logIn(QStringLiteral("张三"));
    QCOMPARE(Session::current().permittedCodes(), (QSet<QString>{QStringLiteral("201"), QStringLiteral("304")}));
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("delete from Limits where F_code = '304'")));
    // Still held until the next login.
    QVERIFY(Session::current().isPermitted(QStringLiteral("304")));
    m_fixture->logIn(QStringLiteral("张三"));
    QCOMPARE(Session::current().permittedCodes(), QSet<QString>{QStringLiteral("201")});
}

void TestPermissions::permissionsShowExactlyTheGrantedFunctions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("granted");
    QTest::addColumn<QStringList>("groups");

    const QStringList tail{QStringLiteral("vWindows"), QStringLiteral("nFz"), QStringLiteral("N41")};
    QTest::newRow("a few") << QStringLiteral("张三") << QStringList{"104", "301", "309", "502"}
                           << (QStringList{"mi100", "mi300", "mi500"} << tail);
    QTest::newRow("none") << QStringLiteral("李四") << QStringList() << tail;
    QTest::newRow("admin in any case") << QStringLiteral(" ADMIN ") << PermissionCatalog::allCodes()
                                       << (QStringList{"mi100", "mi200", "mi300", "mi400", "mi500"} << tail);
}

void TestPermissions::permissionsShowExactlyTheGrantedFunctions()
{
    QFETCH(QString, name);
    QFETCH(QStringList, granted);
    QFETCH(QStringList, groups);
    if (!Session::isAdminName(name))
        OperatorFixture::addOperator(name, granted);
    m_fixture->logIn(name);

    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setAutoBackupEnabled(false);
    window.SetLimits();
    window.show();
    QTRY_VERIFY(window.desktop());
    TFrmBtnImage *desktop = window.desktop();

    for (const QString &code : PermissionCatalog::allCodes()) {
        const bool expected = granted.contains(code);
        QAction *action = window.action(code);
        QVERIFY(action);
        QCOMPARE(action->isVisible(), expected);
        QCOMPARE(!desktop->button(code)->isHidden(), expected);
        // The menu item, whether the action itself or a labelled item following it.
        const ActionInfo *info = PermissionCatalog::byCode(code);
        QMenu *menu = window.menu(info->group);
        bool itemVisible = false;
        for (QAction *item : menu->actions()) {
            if (item == action || item->objectName() == QStringLiteral("mi") + info->actionName())
                itemVisible = item->isVisible();
        }
        QCOMPARE(itemVisible, expected);
    }
    QCOMPARE(visibleMenuBar(window), groups);
    // The desktop keeps its tabs, even when they are empty.
    QCOMPARE(desktop->pages()->count(), 5);
    // Relogin and exit stay in "系统管理" for everyone who sees that group.
    QVERIFY(window.findChild<QAction *>(QStringLiteral("N43"))->isVisible());
    window.setConfirmExit(false);
}

void TestPermissions::changeOfOperatorThroughMenu()
{
    OperatorFixture::addOperator(QStringLiteral("李四"), {"201"}, QStringLiteral("pw"));
    m_fixture->logIn(QStringLiteral("李四"), QStringLiteral("pw"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setAutoBackupEnabled(false);
    window.setConfirmExit(false);
    window.SetLimits();
    window.show();
    QTRY_VERIFY(window.desktop());
    QCOMPARE(visibleMenuBar(window).first(), QStringLiteral("mi200"));

    // A failed change keeps the operator and the permissions.
    ScriptedMessages messages;
    answerLogin(QStringLiteral("admin"), QStringLiteral("wrong"));
    window.findChild<QAction *>(QStringLiteral("N43"))->trigger();
    QCOMPARE(Session::current().currentOperator(), QStringLiteral("李四"));
    QVERIFY(!window.action(QStringLiteral("101"))->isVisible());
    QCOMPARE(window.statusPanel(2)->text(), QStringLiteral(" 李四"));

    answerLogin(QStringLiteral("admin"), QString());
    window.findChild<QAction *>(QStringLiteral("N43"))->trigger();
    QCOMPARE(Session::current().currentOperator(), QStringLiteral("admin"));
    QVERIFY(window.action(QStringLiteral("101"))->isVisible());
    QVERIFY(!window.desktop()->button(QStringLiteral("506"))->isHidden());
    QCOMPARE(window.statusPanel(2)->text(), QStringLiteral(" admin"));

    answerLogin(QStringLiteral("李四"), QStringLiteral("pw"));
    window.findChild<QAction *>(QStringLiteral("N43"))->trigger();
    QVERIFY(!window.action(QStringLiteral("101"))->isVisible());
    QVERIFY(window.desktop()->button(QStringLiteral("506"))->isHidden());
    QVERIFY(!window.desktop()->button(QStringLiteral("201"))->isHidden());
}


VEL_DB_TEST_MAIN(TestPermissions)
#include "tst_permissions.moc"
