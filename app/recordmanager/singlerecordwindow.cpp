#include "app/recordmanager/singlerecordwindow.h"

#include "app/datamodule.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"
#include "app/recordmanager/windowtoolbar.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QToolButton>

SingleRecordWindow::SingleRecordWindow(const RecordWindowDef &list, const EditWindowDef &form, QWidget *parent)
    : RecordWindow(list, parent), m_formDef(form), m_form(new RecordForm(form, this))
{
    WindowToolBar *bar = toolBar();
    addRecordButtons([this] { newRecord(); }, [this] { editRecord(); }, [this] { deleteRecord(); });
    bar->addSeparator();
    addNavigationButtons();
    bar->addSeparator();
    connect(bar->addButton(QStringLiteral("tbSave"), QStringLiteral("保存")), &QToolButton::clicked, this,
            &SingleRecordWindow::saveRecord);
    connect(bar->addButton(QStringLiteral("tbCancel"), QStringLiteral("取消")), &QToolButton::clicked, this,
            &SingleRecordWindow::cancelEdit);
    bar->addSeparator();
    addReportButtons(QStringLiteral("tbset"), QString());
    bar->addSeparator();
    addExitButton();

    // Under the list the memos keep to a few lines, so that the list stays in view.
    for (QPlainTextEdit *memo : m_form->findChildren<QPlainTextEdit *>())
        memo->setMaximumHeight(memo->fontMetrics().lineSpacing() * 4 + 12);
    addBelowGrid(m_form);
    SetBrowsing(true);
}

SingleRecordWindow::~SingleRecordWindow() = default;

BoundStatement SingleRecordWindow::listStatement() const
{
    BoundStatement s = tableStatement();
    s.append(QLatin1Char(' ') + windowDefinition().orderBy);
    return s;
}

void SingleRecordWindow::openWindow()
{
    m_changing = false;
    openTable(listStatement());
    const RecordWindowDef &def = windowDefinition();
    if (!def.gridKey.isEmpty())
        LoadGridConfig(grid(), def.gridKey);
    applyDisplayFormats();
    ShowValues(true);
}

void SingleRecordWindow::SetBrowsing(bool browse)
{
    m_browsing = browse;
    for (const char *name : {"tbNew", "tbEdit", "tbDel", "tbFirst", "tbPrior", "tbNext", "tbLast", "tbExit",
                             "tbPrint", "tbset"})
        toolBar()->setButtonEnabled(QString::fromLatin1(name), browse);
    toolBar()->setButtonEnabled(QStringLiteral("tbSave"), !browse);
    toolBar()->setButtonEnabled(QStringLiteral("tbCancel"), !browse);
    grid()->setEnabled(browse);
    m_form->setVisible(!browse);
    m_form->setEnabled(!browse);
}

void SingleRecordWindow::ShowValues(bool fromRow)
{
    if (fromRow)
        m_form->loadRecord([this](const QString &column) { return currentValue(column); });
    else
        m_form->clearInputs(false);
}

void SingleRecordWindow::currentRecordChanged(int row)
{
    // The hidden panel follows the cursor while browsing.
    if (row >= 0 && m_browsing)
        ShowValues(true);
}

QList<QWidget *> SingleRecordWindow::snapshotCompanions()
{
    // Saving is no part of a picture, so the plain pattern window shows the
    // editing state as well as the function's own class would.
    auto *editing = new SingleRecordWindow(windowDefinition(), m_formDef, parentWidget());
    editing->setObjectName(objectName() + QStringLiteral("_editing"));
    editing->resize(size());
    editing->show();
    editing->newRecord();
    return {editing};
}

void SingleRecordWindow::newRecord()
{
    SetBrowsing(false);
    ShowValues(false);
    m_form->setEditing(false);
    const QString code = m_form->codeColumn();
    if (!code.isEmpty()) {
        const CodeProposal next = dmData().NextCode(m_formDef.table, m_formDef.codeWidth, code);
        if (!next) {
            ShowMess(QStringLiteral("无法生成新编号：") + next.error, MessError);
            SetBrowsing(true);
            ShowValues(hasRows());
            return;
        }
        m_form->setValue(code, next.code);
    }
    if (QWidget *first = m_form->firstInputAfterCode())
        first->setFocus(Qt::OtherFocusReason);
}

void SingleRecordWindow::editRecord()
{
    if (!hasRows()) {
        ShowMess(RecordListWindow::kEmptyTable, MessError);
        return;
    }
    SetBrowsing(false);
    ShowValues(true);
    m_form->setEditing(true);
    m_changing = true;
    if (QWidget *first = m_form->firstInputAfterCode())
        first->setFocus(Qt::OtherFocusReason);
}

void SingleRecordWindow::cancelEdit()
{
    SetBrowsing(true);
    ShowValues(hasRows());
    m_changing = false;
}

bool SingleRecordWindow::saveRecord()
{
    const QVariant id = m_changing ? currentValue(QStringLiteral("F_ID")) : QVariant();
    const std::optional<QVariant> saved = FormSave::run(m_formDef, m_form, id, *this);
    if (!saved)
        return false;
    m_changing = false;
    SetBrowsing(true);
    reopenTable();
    locateId(*saved);
    ShowValues(hasRows());
    showRecordCount();
    return true;
}

bool SingleRecordWindow::confirmDelete()
{
    return askDeleteCurrent(QStringLiteral("F_code"));
}

void SingleRecordWindow::deleteRecord()
{
    if (!hasRows() || !confirmDelete())
        return;
    if (deleteCurrentRow()) {
        reopenTable();
        ShowValues(hasRows());
    }
}

bool SingleRecordWindow::handleKey(QKeyEvent *event)
{
    if (const std::optional<bool> pressed = pressRecordKey(event))
        return *pressed;
    return RecordWindow::handleKey(event);
}
