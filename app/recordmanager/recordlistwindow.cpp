#include "app/recordmanager/recordlistwindow.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/formplacement.h"
#include "app/grid/gridcolumnformats.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/recordeditwindow.h"
#include "app/recordmanager/windowtoolbar.h"

#include <QKeyEvent>
#include <QToolButton>

const QString RecordListWindow::kEmptyTable = QStringLiteral("此表为空，没有记录需要修改！");

RecordListWindow::RecordListWindow(const ListWindowDef &definition, QWidget *parent)
    : RecordWindow(definition, parent), m_def(definition), m_filter(new FilterBar(definition.filters, this))
{
    WindowToolBar *bar = toolBar();
    connect(bar->addButton(QStringLiteral("tbNew"), QStringLiteral("新增")), &QToolButton::clicked, this,
            &RecordListWindow::newRecord);
    connect(bar->addButton(QStringLiteral("tbEdit"), QStringLiteral("修改")), &QToolButton::clicked, this,
            &RecordListWindow::editRecord);
    connect(bar->addButton(QStringLiteral("tbDel"), QStringLiteral("删除")), &QToolButton::clicked, this,
            &RecordListWindow::deleteRecord);
    bar->addSeparator();
    addNavigationButtons();
    bar->addSeparator();
    addReportButtons(QStringLiteral("tbset"), m_def.exportTitle.isEmpty() ? QString() : QStringLiteral("tbExport"));
    bar->addSeparator();
    addExitButton();

    addAboveGrid(m_filter);
    connect(m_filter, &FilterBar::refreshRequested, this, &RecordListWindow::RefreshList);
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] {
        if (button(QStringLiteral("tbEdit"))->isEnabled())
            editRecord();
    });
}

RecordListWindow::~RecordListWindow() = default;

void RecordListWindow::openWindow()
{
    if (!m_def.gridKey.isEmpty())
        LoadGridConfig(grid(), m_def.gridKey);
    if (m_def.formatClass > 0)
        ApplyColumnFormats(grid(), m_def.formatClass);
    RefreshList();
}

BoundStatement RecordListWindow::listStatement() const
{
    BoundStatement s;
    s.sql = m_def.selectSql.isEmpty() ? QStringLiteral("select * from ") + m_def.table + QStringLiteral(" where (1=1) ")
                                      : m_def.selectSql;
    if (m_def.areaScoped) {
        const Session &session = Session::current();
        s.append(session.areaScopeClause(), session.areaScope().binds());
    }
    ClauseBuilder filter;
    m_filter->appendCondition(filter);
    filter.appendTo(s);
    s.append(QLatin1Char(' ') + m_def.orderBy);
    return s;
}

void RecordListWindow::RefreshList()
{
    openTable(listStatement());
}

RecordEditWindow *RecordListWindow::createEditWindow()
{
    if (m_def.editor.fields.isEmpty())
        return nullptr;
    return new RecordEditWindow(m_def.editor, this);
}

void RecordListWindow::runEditWindow(int mode)
{
    RecordEditWindow *editor = createEditWindow();
    if (!editor)
        return;
    DispFormPos(editor, FormPlacement::Dialog);
    editor->OpenInMode(mode);
    delete editor;
}

QList<QWidget *> RecordListWindow::snapshotCompanions()
{
    RecordEditWindow *editor = createEditWindow();
    if (!editor)
        return {};
    editor->ApplyMode(RecordEditWindow::NewMode);
    editor->LoadFields(false);
    return {editor};
}

void RecordListWindow::newRecord()
{
    runEditWindow(RecordEditWindow::NewMode);
}

void RecordListWindow::editRecord()
{
    if (!hasRows()) {
        ShowMess(kEmptyTable, MessError);
        return;
    }
    runEditWindow(RecordEditWindow::EditMode);
}

bool RecordListWindow::confirmDelete()
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前编号")
                                                    + currentValue(m_def.deleteQuestionField).toString()
                                                    + QStringLiteral("吗？"));
}

void RecordListWindow::deleteRecord()
{
    if (!hasRows() || !confirmDelete())
        return;
    if (dmData().DeleteByID(m_def.table, currentValue(QStringLiteral("F_ID")).toLongLong()))
        reopenTable();
}

bool RecordListWindow::handleKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    WindowToolBar *bar = toolBar();
    if (ctrl && event->key() == Qt::Key_A)
        return bar->clickIfEnabled(QStringLiteral("tbNew"));
    if (ctrl && event->key() == Qt::Key_E)
        return bar->clickIfEnabled(QStringLiteral("tbEdit"));
    if (plain && event->key() == Qt::Key_Escape)
        return bar->clickIfEnabled(QStringLiteral("tbExit"));
    if (plain && event->key() == Qt::Key_Delete)
        return bar->clickIfEnabled(QStringLiteral("tbDel"));
    return RecordWindow::handleKey(event);
}
