#pragma once

// A record-manager window over the suggestions register, described by data
// alone (no window code of its own), and small helpers for driving windows.

#include "app/recordmanager/recordeditwindow.h"
#include "app/recordmanager/recordlistwindow.h"
#include "app/recordmanager/reportactions.h"
#include "app/recordmanager/windowdefs.h"

#include <QApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

namespace fixture {

inline ListWindowDef suggestionsList()
{
    ListWindowDef d;
    d.className = QStringLiteral("TfrmTestYJGL");
    d.caption = QStringLiteral("建议意见");
    d.table = QStringLiteral("T_YJinfo");
    d.gridKey = QStringLiteral("TestYJGL");
    d.columns = {{QStringLiteral("F_code"), QStringLiteral("单据编号")},
                 {QStringLiteral("F_YZname"), QStringLiteral("业主姓名")},
                 {QStringLiteral("F_type"), QStringLiteral("内容类型")},
                 {QStringLiteral("F_memo1"), QStringLiteral("建议内容")}};
    d.filters = {{QStringLiteral("单据编号"), QStringLiteral("F_code"), ClauseBuilder::Match::Prefix, {}},
                 {QStringLiteral("业主姓名"), QStringLiteral("F_YZname"), ClauseBuilder::Match::Contains, {}},
                 {QStringLiteral("内容类型"), QStringLiteral("F_type"), ClauseBuilder::Match::Contains,
                  QStringLiteral("Contenttype")}};
    d.reports = {{QStringLiteral("打印格式一"), QStringLiteral("frTestYJ")},
                 {QStringLiteral("打印格式二"), QString()}};
    d.exportTitle = QStringLiteral("建议意见列表");

    EditWindowDef &e = d.editor;
    e.className = QStringLiteral("TfrmTestYJEdit");
    e.title = QStringLiteral("建议意见");
    e.table = QStringLiteral("T_YJinfo");
    e.codeWidth = 3;
    e.fields = {
        {QStringLiteral("F_code"), QStringLiteral("单据编号："), QStringLiteral("edtCode"), Editor::Line, {}, CodeField},
        {QStringLiteral("F_YZname"), QStringLiteral("业主姓名："), QStringLiteral("edtYZname")},
        {QStringLiteral("F_date"), QStringLiteral("建议时间："), QStringLiteral("dtpDate"), Editor::Date},
        {QStringLiteral("F_type"), QStringLiteral("内容类型："), QStringLiteral("cbbType"), Editor::CodeList,
         QStringLiteral("Contenttype")},
        {QStringLiteral("F_memo1"), QStringLiteral("建议内容："), QStringLiteral("Memo1"), Editor::Memo},
        {QStringLiteral("F_XQname"), QStringLiteral("小区名称："), QStringLiteral("cbbXQname"), Editor::Area, {},
         KeepOnNew},
    };
    return d;
}

inline void addSuggestion(const QString &code, const QString &name, const QString &type = QString(),
                          QSqlDatabase db = QSqlDatabase::database())
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into T_YJinfo (F_code, F_YZname, F_type) values (:c, :n, :t)"));
    q.bindValue(QStringLiteral(":c"), code);
    q.bindValue(QStringLiteral(":n"), name);
    q.bindValue(QStringLiteral(":t"), type);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

inline QStringList column(const QString &sql)
{
    QStringList out;
    QSqlQuery q;
    if (!q.exec(sql))
        qWarning("%s", qPrintable(q.lastError().text()));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

inline void click(QWidget *window, const char *name)
{
    auto *b = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    b->click();
}

inline bool enabled(QWidget *window, const char *name)
{
    auto *b = window->findChild<QWidget *>(QString::fromLatin1(name));
    return b && b->isEnabled();
}

// Runs work on the edit window once it is shown modally.
template <typename Work>
void whenModal(Work work)
{
    QTimer::singleShot(0, [work] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        work(modal);
    });
}

// Records what "打印", "设置" and "导出" would have shown, for the life of the object.
struct RecordedReports {
    struct Call {
        QString what;
        QString name;
        int rows = -1;
        int currentRow = -1;
        QVariantMap variables;
    };
    QList<Call> calls;
    ReportActions previous;

    RecordedReports()
    {
        ReportActions a;
        a.preview = [this](const QString &name, const ReportData &data, QWidget *) {
            calls.append({QStringLiteral("preview"), name, data.master ? data.master->rowCount() : -1,
                          data.masterCurrentRow, data.variables});
        };
        a.design = [this](const QString &name, const ReportData &data, QWidget *) {
            calls.append({QStringLiteral("design"), name, data.master ? data.master->rowCount() : -1,
                          data.masterCurrentRow, data.variables});
        };
        a.exportGrid = [this](const GridSnapshot &grid, const QString &title, bool) {
            calls.append({QStringLiteral("export"), title, int(grid.rows.size()), -1, {}});
            return true;
        };
        a.printGrid = [this](const GridSnapshot &grid, const QString &title, int, const QString &footer,
                             const QString &header) {
            calls.append({QStringLiteral("grid"), title, int(grid.rows.size()), -1,
                          {{QStringLiteral("footer"), footer}, {QStringLiteral("header"), header}}});
        };
        previous = ReportActions::replace(a);
    }
    ~RecordedReports() { ReportActions::replace(previous); }
};

}  // namespace fixture
