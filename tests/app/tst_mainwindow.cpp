#include "access/permissioncatalog.h"
#include "access/session.h"
#include "app/appconfig.h"
#include "app/datamodule.h"
#include "app/desktop.h"
#include "app/mainwindow.h"
#include "app/tools.h"
#include "app/windowregistry.h"
#include "dbtestmain.h"
#include "operatorfixture.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The main window: its menus, the first showing, the exit question, the
// desktop, the window menu, the opening of functions and the tools.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menusInOrder_data();
    void menusInOrder();
    void firstShowing();
    void exitQuestion_data();
    void exitQuestion();
    void navigationBringsBackOneDesktop();
    void windowMenu();
    void functionWindowsOpenModallyAndGo();
    void unbuiltFunctionSaysSo();
    void backupDays_data();
    void backupDays();
    void backupRunsOnMondaysOnceADay();
    void aboutBox();
    void toolsFindHelpFile();
    void toolsFindProgramsOnThePath();

private:
    QStringList itemTexts(QMenu *menu) const;

    std::unique_ptr<OperatorFixture> m_fixture;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<OperatorFixture>();
    QVERIFY(m_fixture->databaseIsValid());
    QVERIFY(m_fixture->configLoaded());
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
}

QStringList TestMainWindow::itemTexts(QMenu *menu) const
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void TestMainWindow::menusInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("mi100") << QStringLiteral("mi100")
                           << QStringList{"公司信息资料", "更改用户密码", "用户权限管理", "系统当前配置", "-",
                                          "数据备份恢复", "系统数据清理", "导入住户信息", "压缩修复数据", "-",
                                          "重新登录", "退出系统"};
    QTest::newRow("mi200") << QStringLiteral("mi200")
                           << QStringList{"小区信息设置", "小区公共设施", "-", "保洁绿化", "保安巡逻", "配件管理", "-",
                                          "费用项目设置", "公摊费用设置", "选项..."};
    QTest::newRow("mi300") << QStringLiteral("mi300")
                           << QStringList{"房产住户", "生成物业费", "生成公摊费", "收取物业费", "预收款管理",
                                          "车位管理", "报修管理", "建议意见"};
    QTest::newRow("mi400") << QStringLiteral("mi400")
                           << QStringList{"缴费通知单查询", "交费收款单查询", "个人欠费查询统计", "配件库存查询统计"};
    QTest::newRow("mi500") << QStringLiteral("mi500")
                           << QStringList{"应交费用明细统计", "应交费用汇总统计", "住户交费明细统计",
                                          "住户交费汇总统计", "物业报修查询统计", "物业收费经营分析"};
    QTest::newRow("vWindows") << QStringLiteral("vWindows")
                              << QStringList{"重叠", "横向重排", "纵向重排", "-", "切换", "关闭", "全部关闭"};
    QTest::newRow("nFz") << QStringLiteral("nFz")
                         << QStringList{"计算器", "笔记本", "-", "帮助文件", "关于我们", "访问我们的网站"};
}

void TestMainWindow::menusInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);

    QStringList bar;
    for (QAction *action : window.menuBar()->actions())
        bar.append(action->text());
    QCOMPARE(bar, (QStringList{"系统管理", "基本资料", "日常管理", "信息查询", "报表中心", "窗体", "辅助", "导航图"}));
    QVERIFY(window.menu(menu));
    QCOMPARE(itemTexts(window.menu(menu)), items);
}

void TestMainWindow::firstShowing()
{
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("update sysInfo set F_iAmount = 1, F_iPrice = 3, F_iTotal = 0")));
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    window.show();
    QTRY_VERIFY(window.desktop());

    // The maximised desktop adds its own caption, as children of a frame do.
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Korrin物业管理软件 v2.25(网络版) ")));
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QCOMPARE(window.desktop()->windowTitle(), QStringLiteral("桌面"));
    QStringList tabs;
    for (int i = 0; i < window.desktop()->pages()->count(); ++i)
        tabs.append(window.desktop()->pages()->tabText(i));
    QCOMPARE(tabs, (QStringList{"日常管理", "信息查询", "报表中心", "基本资料", "系统管理"}));

    QCOMPARE(window.statusPanel(1)->text(), QStringLiteral(" 当前用户"));
    QCOMPARE(window.statusPanel(2)->text(), QStringLiteral(" admin"));
    QCOMPARE(window.statusPanel(3)->text(), QStringLiteral(" 当前日期时间"));
    QVERIFY(QRegularExpression(QStringLiteral("^ \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                .match(window.statusPanel(4)->text())
                .hasMatch());
    QVERIFY(window.statusPanel(5)->text().startsWith(QStringLiteral("Korrin物业管理软件(网络版)")));

    QCOMPARE(dmData().AmountDecimals(), 1);
    QCOMPARE(dmData().PriceFormat(), QStringLiteral("￥,0.00#"));
    QCOMPARE(dmData().TotalFormat(), QStringLiteral("￥,0."));

    QDateEdit edit;
    edit.setDate(QDate(2024, 3, 5));
    edit.show();
    QCOMPARE(edit.displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(edit.text(), QStringLiteral("2024-03-05"));
}

void TestMainWindow::exitQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no") << int(AnswerNo) << false;
    QTest::newRow("yes") << int(AnswerYes) << true;
}

void TestMainWindow::exitQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    OperatorFixture::addOperator(QStringLiteral("张三"), {"301"});
    m_fixture->logIn(QStringLiteral("张三"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setAutoBackupEnabled(false);
    window.SetLimits();
    window.show();
    QTRY_VERIFY(window.desktop());

    ScriptedMessages messages;
    messages.answerNext(answer);
    window.findChild<QAction *>(QStringLiteral("N5"))->trigger();
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("真的要退出“Korrin物业管理软件 ”软件吗？")});
    QCOMPARE(messages.last().kind, int(MessQuestion));
    QCOMPARE(window.isVisible(), !closes);
    if (!closes) {
        QCOMPARE(Session::current().currentOperator(), QStringLiteral("张三"));
        QCOMPARE(window.statusPanel(2)->text(), QStringLiteral(" 张三"));
        QVERIFY(window.desktop());
        QVERIFY(window.action(QStringLiteral("301"))->isVisible());
        QVERIFY(!window.action(QStringLiteral("101"))->isVisible());
        // The close box asks the same question.
        messages.answerNext(AnswerNo);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        window.setConfirmExit(false);
    }
}

void TestMainWindow::navigationBringsBackOneDesktop()
{
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    window.show();
    QTRY_VERIFY(window.desktop());
    QAction *navigation = window.findChild<QAction *>(QStringLiteral("N41"));

    navigation->trigger();
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);

    window.mdiArea()->subWindowList().first()->close();
    QTRY_VERIFY(!window.desktop());
    QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 0);
    navigation->trigger();
    navigation->trigger();
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QVERIFY(window.desktop());

    window.mdiArea()->subWindowList().first()->showMinimized();
    navigation->trigger();
    QVERIFY(!window.mdiArea()->subWindowList().first()->isMinimized());
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
}

void TestMainWindow::windowMenu()
{
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    window.show();
    QTRY_VERIFY(window.desktop());
    QMdiArea *mdi = window.mdiArea();
    auto *extra = new QWidget;
    extra->setWindowTitle(QStringLiteral("另一个"));
    QMdiSubWindow *second = mdi->addSubWindow(extra);
    second->setAttribute(Qt::WA_DeleteOnClose);
    second->show();
    QCOMPARE(mdi->subWindowList().size(), 2);

    window.findChild<QAction *>(QStringLiteral("vw2"))->trigger();
    const QRect a = mdi->subWindowList().at(0)->geometry();
    const QRect b = mdi->subWindowList().at(1)->geometry();
    QCOMPARE(a.top(), b.top());
    QCOMPARE(a.height(), b.height());
    QVERIFY(a.right() < b.left() || b.right() < a.left());

    window.findChild<QAction *>(QStringLiteral("vw3"))->trigger();
    const QRect c = mdi->subWindowList().at(0)->geometry();
    const QRect d = mdi->subWindowList().at(1)->geometry();
    QCOMPARE(c.left(), d.left());
    QCOMPARE(c.width(), d.width());
    QVERIFY(c.bottom() < d.top() || d.bottom() < c.top());

    // The window menu lists the open children after its own items.
    QMenu *menu = window.menu(QStringLiteral("vWindows"));
    emit menu->aboutToShow();
    const QStringList texts = itemTexts(menu);
    QCOMPARE(texts.size(), 7 + 1 + 2);
    QVERIFY(texts.at(8).endsWith(QStringLiteral("桌面")));
    QVERIFY(texts.at(9).endsWith(QStringLiteral("另一个")));

    mdi->setActiveSubWindow(mdi->subWindowList().at(0));
    window.findChild<QAction *>(QStringLiteral("vw4"))->trigger();
    QCOMPARE(mdi->activeSubWindow(), mdi->subWindowList().at(1));

    window.findChild<QAction *>(QStringLiteral("vw6"))->trigger();
    QTRY_COMPARE(mdi->subWindowList().size(), 0);
    QTRY_VERIFY(!window.desktop());
}

void TestMainWindow::functionWindowsOpenModallyAndGo()
{
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    QPointer<QDialog> created;
    registry.registerWindow(
        QStringLiteral("Action201"),
        [&created](QWidget *owner) {
            auto *dialog = new QDialog(owner);
            dialog->setObjectName(QStringLiteral("TfrmXQinfoGL"));
            created = dialog;
            return dialog;
        },
        1);
    int handled = 0;
    registry.registerHandler(QStringLiteral("Action106"), [&handled](QWidget *) { ++handled; });

    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    window.show();
    QTRY_VERIFY(window.desktop());

    bool wasModal = false;
    bool referenceHeld = false;
    QWidget *owner = nullptr;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        wasModal = modal && modal == created;
        referenceHeld = created && registry.openWindow(QStringLiteral("Action201")) == created.data();
        owner = created ? created->parentWidget() : nullptr;
        if (modal)
            modal->close();
    });
    // Opened from the desktop button, as the user does.
    QTest::mouseClick(window.desktop()->button(QStringLiteral("201")), Qt::LeftButton);
    QTRY_VERIFY(!created);
    QVERIFY(wasModal);
    QVERIFY(referenceHeld);
    QCOMPARE(owner, &window);
    QVERIFY(!registry.openWindow(QStringLiteral("Action201")));

    window.action(QStringLiteral("106"))->trigger();
    QCOMPARE(handled, 1);
}

void TestMainWindow::unbuiltFunctionSaysSo()
{
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    ScriptedMessages messages;
    for (const ActionInfo &info : PermissionCatalog::actions())
        window.action(info.code)->trigger();
    QCOMPARE(messages.texts(), QStringList(34, QStringLiteral("此功能尚未提供。")));
}

void TestMainWindow::backupDays_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("due");
    const QDate monday(2024, 4, 1);    // also the first of the month
    const QDate tuesday(2024, 4, 2);
    const QDate mondayLater(2024, 4, 8);
    QTest::newRow("0 never") << 0 << monday << false;
    QTest::newRow("1 every day") << 1 << tuesday << true;
    QTest::newRow("2 Monday") << 2 << mondayLater << true;
    QTest::newRow("2 Tuesday") << 2 << tuesday << false;
    QTest::newRow("3 first of month") << 3 << monday << true;
    QTest::newRow("3 other day") << 3 << mondayLater << false;
    QTest::newRow("unknown mode") << 7 << monday << false;
}

void TestMainWindow::backupDays()
{
    QFETCH(int, mode);
    QFETCH(QDate, day);
    QFETCH(bool, due);
    QCOMPARE(TFrmMain::isBackupDay(mode, day), due);
}

void TestMainWindow::backupRunsOnMondaysOnceADay()
{
    const QString folder = m_fixture->filePath(QStringLiteral("backup"));
    QVERIFY(QDir().mkpath(folder));
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("update sysInfo set F_BakPath = :path")));
    q.bindValue(QStringLiteral(":path"), folder);
    QVERIFY(q.exec());
    QVERIFY(m_fixture->config()->setAutoBackupMode(2));
    m_fixture->logIn(QStringLiteral("admin"));

    auto startOn = [this](const QDate &day) {
        WindowRegistry registry;
        TFrmMain window(m_fixture->config(), &registry);
        window.setConfirmExit(false);
        window.setToday([day] { return day; });
        window.show();
        QTRY_VERIFY(window.desktop());
    };
    ScriptedMessages messages;
    const auto backups = [folder] { return QDir(folder).entryList({QStringLiteral("*.back")}, QDir::Files); };

    startOn(QDate(2024, 4, 2));   // a Tuesday
    QVERIFY(backups().isEmpty());

    startOn(QDate(2024, 4, 8));   // a Monday
    QCOMPARE(backups(), QStringList{QStringLiteral("dp20240408.back")});
    const QDateTime written = QFileInfo(QDir(folder).filePath(backups().first())).lastModified();

    startOn(QDate(2024, 4, 8));   // started again the same day
    QCOMPARE(backups(), QStringList{QStringLiteral("dp20240408.back")});
    QCOMPARE(QFileInfo(QDir(folder).filePath(backups().first())).lastModified(), written);
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
}

void TestMainWindow::aboutBox()
{
    m_fixture->logIn(QStringLiteral("admin"));
    WindowRegistry registry;
    TFrmMain window(m_fixture->config(), &registry);
    window.setConfirmExit(false);
    window.show();
    QString caption;
    QString text;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        caption = modal->windowTitle();
        for (QLabel *label : modal->findChildren<QLabel *>())
            text += label->text();
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    });
    window.findChild<QAction *>(QStringLiteral("N7"))->trigger();
    QCOMPARE(caption, QStringLiteral("关于我们"));
    QVERIFY(text.contains(QStringLiteral("Korrin物业管理软件")));
    QVERIFY(text.contains(QStringLiteral("v2.25")));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::toolsFindHelpFile()
{
    QTemporaryDir folder;
    QCOMPARE(DesktopTools::findHelpFile(folder.path()), QString());
    QFile html(folder.filePath(QStringLiteral("help.html")));
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.close();
    QCOMPARE(DesktopTools::findHelpFile(folder.path()), folder.filePath(QStringLiteral("help.html")));
    // The delivered help.CHM comes first, whatever the letter case of its name.
    QFile chm(folder.filePath(QStringLiteral("HELP.chm")));
    QVERIFY(chm.open(QIODevice::WriteOnly));
    chm.close();
    QCOMPARE(DesktopTools::findHelpFile(folder.path()), folder.filePath(QStringLiteral("HELP.chm")));
}

void TestMainWindow::toolsFindProgramsOnThePath()
{
    QTemporaryDir folder;
    const QByteArray oldPath = qgetenv("PATH");
    const auto restore = qScopeGuard([oldPath] { qputenv("PATH", oldPath); });
    qputenv("PATH", QFile::encodeName(folder.path()));
    QCOMPARE(DesktopTools::findProgram(DesktopTools::calculatorCandidates()), QString());
    {
        ScriptedMessages messages;
        QVERIFY(!DesktopTools::startTextEditor());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().kind, int(MessWarning));
    }
    // The second choice is taken when the first is not installed.
    const QString kcalc = folder.filePath(QStringLiteral("kcalc"));
    QFile script(kcalc);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(DesktopTools::findProgram(DesktopTools::calculatorCandidates()), kcalc);
}

VEL_DB_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
