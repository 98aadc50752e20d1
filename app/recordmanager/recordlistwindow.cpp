#include "app/recordmanager/recordlistwindow.h"

#include "app/formplacement.h"
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
    addRecordButtons([this] { newRecord(); }, [this] { editRecord(); }, [this] { deleteRecord(); });
    bar->addSeparator();
    addNavigationButtons();
    bar->addSeparator();
    addReportButtons(QStringLiteral("tbset"), m_def.exportTitle.isEmpty() ? QString() : QStringLiteral("tbExport"));
    bar->addSeparator();
    addExitButton();

    addAboveGrid(m_filter);
    connect(m_filter, &FilterBar::refreshRequested, this, &RecordListWindow::RefreshList);
}

RecordListWindow::~RecordListWindow() = default;

void RecordListWindow::openWindow()
{
    if (!m_def.gridKey.isEmpty())
        LoadGridConfig(grid(), m_def.gridKey);
    applyDisplayFormats();
    RefreshList();
}

BoundStatement RecordListWindow::listStatement() const
{
    BoundStatement s = tableStatement();
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
    return askDeleteCurrent(m_def.deleteQuestionField);
}

void RecordListWindow::deleteRecord()
{
    if (!hasRows() || !confirmDelete())
        return;
    if (deleteCurrentRow())
        reopenTable();
}

bool RecordListWindow::handleKey(QKeyEvent *event)
{
    if (const std::optional<bool> pressed = pressRecordKey(event))
        return *pressed;
    return RecordWindow::handleKey(event);
}
