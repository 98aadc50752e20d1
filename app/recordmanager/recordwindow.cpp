#include "app/recordmanager/recordwindow.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/grid/gridcolumnformats.h"
#include "app/grid/gridview.h"
#include "app/messages.h"
#include "app/recordmanager/keypreview.h"
#include "app/recordmanager/reportactions.h"
#include "app/recordmanager/statuspanels.h"
#include "app/recordmanager/windowtoolbar.h"

#include <QKeyEvent>
#include <QSqlQueryModel>
#include <QToolButton>
#include <QVBoxLayout>

RecordWindow::RecordWindow(const RecordWindowDef &definition, QWidget *parent)
    : QDialog(parent), m_def(definition), m_records(new QSqlQueryModel(this)), m_toolBar(new WindowToolBar(this)),
      m_grid(new GridView(this)), m_status(new StatusPanels(this)), m_layout(new QVBoxLayout(this))
{
    setObjectName(m_def.className);
    setWindowTitle(m_def.caption);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    resize(820, 540);

    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setTabKeyNavigation(false);
    m_grid->setColumns(m_def.columns);
    m_grid->setGridKey(m_def.gridKey);
    m_grid->setSortMode(m_def.sortMode);
    m_grid->setRecordSet(m_records);

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    m_layout->addWidget(m_toolBar);
    m_layout->addWidget(m_grid, 1);
    m_layout->addWidget(m_status);

    connect(m_grid, &GridView::currentRowChanged, this, [this](int row) {
        if (!m_stepping && row >= 0)
            m_nav.movedTo(row);
        currentRecordChanged(row);
    });
    m_keys = new KeyPreview(this, [this](QKeyEvent *event) { return handleKey(event); });
    connect(&dmData(), &TdmData::displayFormatsChanged, this, [this] {
        if (m_opened)
            applyDisplayFormats();
    });
}

RecordWindow::~RecordWindow() = default;

QToolButton *RecordWindow::button(const QString &name) const
{
    return m_toolBar->button(name);
}

void RecordWindow::addRecordButtons(const std::function<void()> &add, const std::function<void()> &edit,
                                    const std::function<void()> &remove)
{
    connect(m_toolBar->addButton(QStringLiteral("tbNew"), QStringLiteral("新增")), &QToolButton::clicked, this, add);
    connect(m_toolBar->addButton(QStringLiteral("tbEdit"), QStringLiteral("修改")), &QToolButton::clicked, this, edit);
    connect(m_toolBar->addButton(QStringLiteral("tbDel"), QStringLiteral("删除")), &QToolButton::clicked, this, remove);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this, edit] {
        if (button(QStringLiteral("tbEdit"))->isEnabled())
            edit();
    });
}

BoundStatement RecordWindow::tableStatement() const
{
    BoundStatement s;
    s.sql = m_def.selectSql.isEmpty() ? QStringLiteral("select * from ") + m_def.table + QStringLiteral(" where (1=1) ")
                                      : m_def.selectSql;
    if (m_def.areaScoped) {
        const Session &session = Session::current();
        s.append(session.areaScopeClause(), session.areaScope().binds());
    }
    return s;
}

bool RecordWindow::askDeleteCurrent(const QString &field) const
{
    return AskOkCancel(QStringLiteral("系统提示"), QStringLiteral("真的要删除当前编号") + currentValue(field).toString()
                                                    + QStringLiteral("吗？"));
}

bool RecordWindow::deleteCurrentRow()
{
    return dmData().DeleteByID(m_def.table, currentValue(QStringLiteral("F_ID")).toLongLong());
}

std::optional<bool> RecordWindow::pressRecordKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (ctrl && event->key() == Qt::Key_A)
        return m_toolBar->clickIfEnabled(QStringLiteral("tbNew"));
    if (ctrl && event->key() == Qt::Key_E)
        return m_toolBar->clickIfEnabled(QStringLiteral("tbEdit"));
    if (ctrl && event->key() == Qt::Key_S)
        return m_toolBar->clickIfEnabled(QStringLiteral("tbSave"));
    if (plain && event->key() == Qt::Key_Escape)
        return m_toolBar->clickIfEnabled(QStringLiteral("tbCancel")) || m_toolBar->clickIfEnabled(QStringLiteral("tbExit"));
    if (plain && event->key() == Qt::Key_Delete)
        return m_toolBar->clickIfEnabled(QStringLiteral("tbDel"));
    return std::nullopt;
}

void RecordWindow::addNavigationButtons()
{
    connect(m_toolBar->addButton(QStringLiteral("tbFirst"), QStringLiteral("首项")), &QToolButton::clicked, this,
            &RecordWindow::navigateFirst);
    connect(m_toolBar->addButton(QStringLiteral("tbPrior"), QStringLiteral("前项")), &QToolButton::clicked, this,
            &RecordWindow::navigatePrior);
    connect(m_toolBar->addButton(QStringLiteral("tbNext"), QStringLiteral("后项")), &QToolButton::clicked, this,
            &RecordWindow::navigateNext);
    connect(m_toolBar->addButton(QStringLiteral("tbLast"), QStringLiteral("末项")), &QToolButton::clicked, this,
            &RecordWindow::navigateLast);
}

void RecordWindow::addReportButtons(const QString &designName, const QString &exportName)
{
    QStringList entries;
    for (const ReportDef &r : std::as_const(m_def.reports))
        entries << r.caption;
    m_toolBar->addMenuButton(QStringLiteral("tbPrint"), QStringLiteral("打印"), entries,
                             [this](int layout) { printReport(layout); });
    m_toolBar->addMenuButton(designName, QStringLiteral("设置"), entries, [this](int layout) { designReport(layout); });
    if (!exportName.isEmpty())
        connect(m_toolBar->addButton(exportName, QStringLiteral("导出")), &QToolButton::clicked, this,
                &RecordWindow::exportGrid);
}

void RecordWindow::addExitButton()
{
    connect(m_toolBar->addButton(QStringLiteral("tbExit"), QStringLiteral("退出")), &QToolButton::clicked, this,
            &QDialog::reject);
}

void RecordWindow::addAboveGrid(QWidget *widget)
{
    m_layout->insertWidget(m_layout->indexOf(m_grid), widget);
}

void RecordWindow::addBelowGrid(QWidget *widget)
{
    m_layout->insertWidget(m_layout->indexOf(m_grid) + 1, widget);
}

void RecordWindow::applyDisplayFormats()
{
    if (m_def.formatClass > 0)
        ApplyColumnFormats(m_grid, m_def.formatClass);
}

void RecordWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        m_status->setPanelText(4, StatusPanels::companyLabel() + QStringLiteral("  "));
        openWindow();
    }
}

bool RecordWindow::openTable(const BoundStatement &statement)
{
    m_lastStatement = statement;
    m_grid->clearSort();
    const bool ok = dmData().OpenQuery(m_records, statement.sql, statement.binds);
    m_nav.opened(recordCount());
    showRecordCount();
    return ok;
}

bool RecordWindow::reopenTable()
{
    return openTable(m_lastStatement);
}

int RecordWindow::recordCount() const
{
    return m_grid->rowCount();
}

int RecordWindow::currentRow() const
{
    return m_grid->currentRow();
}

QVariant RecordWindow::currentValue(const QString &field) const
{
    return m_grid->currentValue(field);
}

void RecordWindow::locateId(const QVariant &id)
{
    const int row = id.isNull() ? -1 : m_grid->findRow(QStringLiteral("F_ID"), id);
    if (row < 0)
        goToLastRow();
    else
        m_grid->setCurrentRow(row);
}

void RecordWindow::goToLastRow()
{
    step(&ListNavigation::moveLast, false);
}

void RecordWindow::showRecordCount()
{
    m_status->setPanelText(3, QStringLiteral("记录数：") + QString::number(recordCount()));
}

void RecordWindow::step(void (ListNavigation::*move)(), bool buttons)
{
    (m_nav.*move)();
    m_stepping = true;
    if (m_nav.row() >= 0 && m_nav.row() != m_grid->currentRow())
        m_grid->setCurrentRow(m_nav.row());
    m_stepping = false;
    if (buttons)
        applyNavigationButtons();
}

void RecordWindow::navigateFirst() { step(&ListNavigation::first, true); }
void RecordWindow::navigatePrior() { step(&ListNavigation::prior, true); }
void RecordWindow::navigateNext() { step(&ListNavigation::next, true); }
void RecordWindow::navigateLast() { step(&ListNavigation::last, true); }
void RecordWindow::moveFirst() { step(&ListNavigation::moveFirst, false); }
void RecordWindow::movePrior() { step(&ListNavigation::movePrior, false); }
void RecordWindow::moveNext() { step(&ListNavigation::moveNext, false); }
void RecordWindow::moveLast() { step(&ListNavigation::moveLast, false); }

void RecordWindow::applyNavigationButtons()
{
    const ListNavigation::Buttons &b = m_nav.buttons();
    m_toolBar->setButtonEnabled(QStringLiteral("tbFirst"), b.first);
    m_toolBar->setButtonEnabled(QStringLiteral("tbPrior"), b.prior);
    m_toolBar->setButtonEnabled(QStringLiteral("tbNext"), b.next);
    m_toolBar->setButtonEnabled(QStringLiteral("tbLast"), b.last);
}

ReportData RecordWindow::reportData() const
{
    ReportData data;
    data.master = m_grid->records();
    data.masterCurrentRow = qMax(0, currentRow());
    return data;
}

void RecordWindow::printReport(int layout)
{
    if (!hasRows() || layout < 0 || layout >= m_def.reports.size())
        return;
    const ReportDef &report = m_def.reports.at(layout);
    if (report.templateName.isEmpty())
        ReportActions::current().printGrid(m_grid->snapshot(), windowTitle(), 0, QStringLiteral("date"),
                                           gridPrintHeader());
    else
        ReportActions::current().preview(report.templateName, reportData(), this);
}

void RecordWindow::designReport(int layout)
{
    if (layout < 0 || layout >= m_def.reports.size())
        return;
    const ReportDef &report = m_def.reports.at(layout);
    if (!report.templateName.isEmpty())
        ReportActions::current().design(report.templateName, reportData(), this);
}

void RecordWindow::exportGrid()
{
    ReportActions::current().exportGrid(m_grid->snapshot(), m_def.exportTitle, true);
}

bool RecordWindow::actOnNavigationKey(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    QString name;
    switch (event->key()) {
    case Qt::Key_PageUp:
        name = QStringLiteral("tbPrior");
        break;
    case Qt::Key_PageDown:
        name = QStringLiteral("tbNext");
        break;
    case Qt::Key_Home:
        name = QStringLiteral("tbFirst");
        break;
    case Qt::Key_End:
        name = QStringLiteral("tbLast");
        break;
    default:
        return false;
    }
    // A key the window acted on goes no further: the grid would move a
    // second time.
    return m_toolBar->clickIfEnabled(name);
}

bool RecordWindow::handleKey(QKeyEvent *event)
{
    return actOnNavigationKey(event) || KeyPreview::enterMovesFocus(this, event);
}

void RecordWindow::currentRecordChanged(int row)
{
    Q_UNUSED(row)
}
