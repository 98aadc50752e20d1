#include "app/grid/gridview.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/statuspanels.h"
#include "dbtestmain.h"
#include "recordmanagerfixture.h"
#include "scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace fixture;

namespace {

// An edit window with checks and a dependent update of its own, as a
// function's edit window adds them to the description.
class CheckedEditWindow : public RecordEditWindow {
public:
    using RecordEditWindow::RecordEditWindow;
    bool refuseName = false;
    bool failDependents = false;

protected:
    std::optional<RecordSaver::Refusal> checkRow(QSqlDatabase, const QVariant &) override
    {
        if (refuseName)
            return RecordSaver::Refusal{QStringLiteral("业主姓名不对！"), MessError, QStringLiteral("F_YZname")};
        return std::nullopt;
    }
    bool writeDependents(QSqlDatabase db, const QVariant &, QString *error) override
    {
        if (!failDependents)
            return true;
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("update no_such_table set x = 1")))
            *error = q.lastError().text();
        return false;
    }
};

class CheckedListWindow : public RecordListWindow {
public:
    using RecordListWindow::RecordListWindow;
    bool refuseName = false;
    bool failDependents = false;

protected:
    RecordEditWindow *createEditWindow() override
    {
        auto *w = new CheckedEditWindow(definition().editor, this);
        w->refuseName = refuseName;
        w->failDependents = failDependents;
        return w;
    }
};

QLineEdit *line(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

}  // namespace

// The edit window of the record manager: code proposal and the silent new
// code on a taken one, continuous add, edit mode, the transaction that leaves
// nothing behind on failure, the window's own checks and keys.
class TestRecordManagerEdit : public QObject {
    Q_OBJECT

private slots:
    void newOnEmptyTableProposesFirstCode();
    void codeTakenByAnotherClientTakesTheNext();
    void continuousAdd();
    void changingKeepsTheCode();
    void failedSaveLeavesNothing();
    void windowCheckRefusesAndFocuses();
    void editKeys();
    void navigatorShowsOtherRows();
    void dropDownsFillOnFocus();

private:
    struct Window {
        CheckedListWindow window{suggestionsList()};
        Window()
        {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QString current() const { return window.currentValue(QStringLiteral("F_code")).toString(); }
    };
};

void TestRecordManagerEdit::newOnEmptyTableProposesFirstCode()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    Window w;
    QString code, title;
    bool continuousVisible = false, navigatorVisible = true;
    whenModal([&](QWidget *modal) {
        code = line(modal, "edtCode")->text();
        title = modal->windowTitle();
        continuousVisible = modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isVisible();
        navigatorVisible = modal->findChild<QWidget *>(QStringLiteral("DBNavigator1"))->isVisible();
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QCOMPARE(code, QStringLiteral("001"));
    QCOMPARE(title, QStringLiteral("建议意见 - 新增"));
    QVERIFY(continuousVisible);
    QVERIFY(!navigatorVisible);
}

void TestRecordManagerEdit::codeTakenByAnotherClientTakesTheNext()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    QSqlDatabase other = tdb.openAnotherConnection(QStringLiteral("other"));
    QVERIFY(other.isOpen());
    Window w;
    QString proposed, after;
    whenModal([&](QWidget *modal) {
        proposed = line(modal, "edtCode")->text();
        // Another workstation saves the proposed code first.
        addSuggestion(QStringLiteral("001"), QStringLiteral("other"), QString(), other);
        line(modal, "edtYZname")->setText(QStringLiteral("mine"));
        click(modal, "Button1");
        after = line(modal, "edtCode")->text();
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QCOMPARE(proposed, QStringLiteral("001"));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(column(QStringLiteral("select F_code from T_YJinfo where F_YZname = 'mine'")), QStringList{"002"});
    QCOMPARE(after, QStringLiteral("003"));
}

void TestRecordManagerEdit::continuousAdd()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    addSuggestion(QStringLiteral("001"), QStringLiteral("first"));
    Window w;
    struct Seen {
        bool open = false;
        QString code, name, area, lastInList, current, count;
    } seen;
    whenModal([&](QWidget *modal) {
        line(modal, "edtYZname")->setText(QStringLiteral("second"));
        auto *area = modal->findChild<QComboBox *>(QStringLiteral("cbbXQname"));
        area->setEditText(QStringLiteral("阳光小区"));
        click(modal, "Button1");
        seen.open = modal->isVisible();
        seen.code = line(modal, "edtCode")->text();
        seen.name = line(modal, "edtYZname")->text();
        seen.area = area->currentText();
        GridView *grid = w.window.grid();
        seen.lastInList = grid->value(grid->rowCount() - 1, QStringLiteral("F_YZname")).toString();
        seen.current = w.current();
        seen.count = w.window.statusPanels()->panelText(3);
        // Unticked, the next save closes the window.
        modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        line(modal, "edtYZname")->setText(QStringLiteral("third"));
        click(modal, "Button1");
    });
    click(&w.window, "tbNew");
    QVERIFY(seen.open);
    QCOMPARE(seen.code, QStringLiteral("003"));
    QCOMPARE(seen.name, QString());
    QCOMPARE(seen.area, QStringLiteral("阳光小区"));
    QCOMPARE(seen.lastInList, QStringLiteral("second"));
    QCOMPARE(seen.current, QStringLiteral("002"));
    QCOMPARE(seen.count, QStringLiteral("记录数：2"));
    QCOMPARE(column(QStringLiteral("select F_code || ':' || F_YZname || ':' || COALESCE(F_XQname,'') from T_YJinfo order by F_code")),
             (QStringList{"001:first:", "002:second:阳光小区", "003:third:阳光小区"}));
    QCOMPARE(w.current(), QStringLiteral("003"));
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerEdit::changingKeepsTheCode()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    addSuggestion(QStringLiteral("001"), QStringLiteral("a"));
    addSuggestion(QStringLiteral("002"), QStringLiteral("b"));
    Window w;
    click(&w.window, "tbNext");
    bool codeReadOnly = false;
    QString title, code;
    whenModal([&](QWidget *modal) {
        title = modal->windowTitle();
        code = line(modal, "edtCode")->text();
        codeReadOnly = line(modal, "edtCode")->isReadOnly();
        QVERIFY(modal->findChild<QWidget *>(QStringLiteral("DBNavigator1"))->isVisible());
        QVERIFY(!modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isVisible());
        line(modal, "edtYZname")->setText(QStringLiteral("  b2  "));
        click(modal, "Button1");
    });
    click(&w.window, "tbEdit");
    QCOMPARE(title, QStringLiteral("建议意见 - 修改"));
    QCOMPARE(code, QStringLiteral("002"));
    QVERIFY(codeReadOnly);
    QCOMPARE(column(QStringLiteral("select F_code || ':' || F_YZname from T_YJinfo order by F_code")),
             (QStringList{"001:a", "002:b2"}));
    QCOMPARE(w.current(), QStringLiteral("002"));
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerEdit::failedSaveLeavesNothing()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    Window w;
    w.window.failDependents = true;
    bool stillOpen = false;
    QString name;
    whenModal([&](QWidget *modal) {
        line(modal, "edtYZname")->setText(QStringLiteral("kept"));
        click(modal, "Button1");
        stillOpen = modal->isVisible();
        name = line(modal, "edtYZname")->text();
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QVERIFY(stillOpen);
    QCOMPARE(name, QStringLiteral("kept"));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("保存失败，请检测数据库连接！"));
    QCOMPARE(messages.last().kind, int(MessError));
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo")), QStringList{"0"});
}

void TestRecordManagerEdit::windowCheckRefusesAndFocuses()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    Window w;
    w.window.refuseName = true;
    bool stillOpen = false, nameFocused = false;
    whenModal([&](QWidget *modal) {
        modal->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->setFocus();
        QTest::keyClick(modal, Qt::Key_S, Qt::ControlModifier);
        stillOpen = modal->isVisible();
        nameFocused = modal->focusWidget() == line(modal, "edtYZname");
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QVERIFY(stillOpen);
    QVERIFY(nameFocused);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("业主姓名不对！")});
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo")), QStringList{"0"});
}

void TestRecordManagerEdit::editKeys()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    Window w;
    QString afterName;
    QString memo;
    whenModal([&](QWidget *modal) {
        QLineEdit *name = line(modal, "edtYZname");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        afterName = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
        auto *memoBox = modal->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
        memoBox->setFocus();
        QTest::keyClicks(memoBox, QStringLiteral("a"));
        QTest::keyClick(memoBox, Qt::Key_Return);
        QTest::keyClicks(memoBox, QStringLiteral("b"));
        memo = memoBox->toPlainText();
        QTest::keyClick(memoBox, Qt::Key_S, Qt::ControlModifier);
        // Saved and continuing; Escape closes without saving the empty form.
        QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
    });
    click(&w.window, "tbNew");
    QCOMPARE(afterName, QStringLiteral("dtpDate"));
    QCOMPARE(memo, QStringLiteral("a\nb"));
    QCOMPARE(column(QStringLiteral("select F_memo1 from T_YJinfo")), QStringList{"a\nb"});
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerEdit::navigatorShowsOtherRows()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    for (const char *c : {"001", "002", "003"})
        addSuggestion(QString::fromLatin1(c), QStringLiteral("n") + QString::fromLatin1(c));
    Window w;
    QStringList seen;
    whenModal([&](QWidget *modal) {
        line(modal, "edtYZname")->setText(QStringLiteral("dropped"));
        click(modal, "nbNext");
        seen << line(modal, "edtCode")->text() + QLatin1Char(':') + line(modal, "edtYZname")->text();
        click(modal, "nbLast");
        seen << line(modal, "edtCode")->text();
        click(modal, "nbFirst");
        seen << line(modal, "edtCode")->text();
        click(modal, "Button2");
    });
    click(&w.window, "tbEdit");
    QCOMPARE(seen, (QStringList{"002:n002", "003", "001"}));
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo where F_YZname = 'dropped'")), QStringList{"0"});
}

void TestRecordManagerEdit::dropDownsFillOnFocus()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("insert into T_XQinfo (F_code, F_name) values ('001', '阳光')")));
    Window w;
    QStringList types, areas;
    QString typed;
    whenModal([&](QWidget *modal) {
        QApplication::setActiveWindow(modal);
        auto *type = modal->findChild<QComboBox *>(QStringLiteral("cbbType"));
        QCOMPARE(type->count(), 0);
        type->setEditText(QStringLiteral("自己写的"));
        type->setFocus();
        for (int i = 0; i < type->count(); ++i)
            types << type->itemText(i);
        typed = type->currentText();
        auto *area = modal->findChild<QComboBox *>(QStringLiteral("cbbXQname"));
        area->setFocus();
        for (int i = 0; i < area->count(); ++i)
            areas << area->itemText(i);
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QCOMPARE(types, (QStringList{"建议", "投诉", "咨询", "表扬"}));
    QCOMPARE(typed, QStringLiteral("自己写的"));
    QCOMPARE(areas, QStringList{"阳光"});
}

VEL_DB_TEST_MAIN(TestRecordManagerEdit)
#include "tst_recordmanager_edit.moc"
