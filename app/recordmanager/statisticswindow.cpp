#include "app/recordmanager/statisticswindow.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/statuspanels.h"
#include "app/recordmanager/windowtoolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

StatisticsWindow::StatisticsWindow(const StatisticsWindowDef &definition, QWidget *parent)
    : RecordWindow(definition, parent), m_def(definition), m_panel(new QWidget(this))
{
    WindowToolBar *bar = toolBar();
    connect(bar->addButton(QStringLiteral("tbQuery"), QStringLiteral("查询")), &QToolButton::clicked, this,
            &StatisticsWindow::query);
    bar->addSeparator();
    addNavigationButtons();
    bar->addSeparator();
    addReportButtons(QStringLiteral("tbSet"), QStringLiteral("tbExpert"));
    bar->addSeparator();
    addExitButton();

    m_panel->setObjectName(QStringLiteral("pnlCriteria"));
    auto *row = new QHBoxLayout(m_panel);
    row->setContentsMargins(4, 2, 4, 2);
    for (const CriterionDef &c : std::as_const(m_def.criteria)) {
        QWidget *input = nullptr;
        if (c.kind == CriterionDef::DateFrom || c.kind == CriterionDef::DateTo) {
            auto *tick = new QCheckBox(c.caption, m_panel);
            tick->setObjectName(c.tickName);
            auto *date = new QDateEdit(m_panel);
            date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            date->setCalendarPopup(true);
            m_ticks.insert(c.widgetName, tick);
            row->addWidget(tick);
            input = date;
        } else {
            row->addWidget(new QLabel(c.caption, m_panel));
            if (c.kind == CriterionDef::CodeList) {
                auto *combo = new QComboBox(m_panel);
                combo->setEditable(true);
                combo->setInsertPolicy(QComboBox::NoInsert);
                combo->setMinimumWidth(110);
                const QString category = c.codeList;
                dmData().FillCodeList(category, combo);
                combo->setCurrentIndex(-1);
                input = combo;
            } else {
                auto *edit = new QLineEdit(m_panel);
                edit->setMinimumWidth(90);
                input = edit;
            }
        }
        input->setObjectName(c.widgetName);
        m_inputs.insert(c.widgetName, input);
        row->addWidget(input);
    }
    row->addStretch();
    addAboveGrid(m_panel);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::openWindow()
{
    const QDate today = QDate::currentDate();
    for (const CriterionDef &c : std::as_const(m_def.criteria)) {
        if (auto *date = qobject_cast<QDateEdit *>(m_inputs.value(c.widgetName)))
            date->setDate(c.kind == CriterionDef::DateFrom ? QDate(today.year(), today.month(), 1) : today);
    }
    if (!m_def.gridKey.isEmpty())
        LoadGridConfig(grid(), m_def.gridKey);
    applyDisplayFormats();
    SetToolbarEnabled(this, false);
}

void StatisticsWindow::appendCriteria(ClauseBuilder &clause) const
{
    for (const CriterionDef &c : m_def.criteria) {
        QWidget *input = m_inputs.value(c.widgetName);
        switch (c.kind) {
        case CriterionDef::DateFrom:
        case CriterionDef::DateTo: {
            const QCheckBox *tick = m_ticks.value(c.widgetName);
            if (!tick || !tick->isChecked())
                break;
            const QDate d = static_cast<QDateEdit *>(input)->date();
            if (c.kind == CriterionDef::DateFrom)
                clause.addDateFrom(c.column, d);
            else
                clause.addDateTo(c.column, d);
            break;
        }
        case CriterionDef::Text: {
            const QString v = static_cast<QLineEdit *>(input)->text().trimmed();
            if (!v.isEmpty())
                clause.addLike(c.column, c.match, v);
            break;
        }
        case CriterionDef::CodeList: {
            const QString v = static_cast<QComboBox *>(input)->currentText().trimmed();
            if (!v.isEmpty())
                clause.addLike(c.column, c.match, v);
            break;
        }
        }
    }
}

BoundStatement StatisticsWindow::queryStatement() const
{
    BoundStatement s;
    s.sql = m_def.selectSql.isEmpty() ? QStringLiteral("select * from ") + m_def.table + QStringLiteral(" Where (1=1) ")
                                      : m_def.selectSql;
    if (m_def.areaScoped) {
        const Session &session = Session::current();
        s.append(session.areaScopeClause(), session.areaScope().binds());
    }
    ClauseBuilder clause;
    appendCriteria(clause);
    clause.appendTo(s);
    s.append(QLatin1Char(' ') + m_def.orderBy);
    return s;
}

void StatisticsWindow::query()
{
    SetToolbarEnabled(this, true);
    openTable(queryStatement());
}

void StatisticsWindow::showRecordCount()
{
    statusPanels()->setPanelText(3, QStringLiteral("记录数/") + QString::number(recordCount()));
}

QString StatisticsWindow::dateRangeCaption() const
{
    QDate from, to;
    bool fromTicked = false, toTicked = false, haveFrom = false, haveTo = false;
    for (const CriterionDef &c : m_def.criteria) {
        auto *date = qobject_cast<QDateEdit *>(m_inputs.value(c.widgetName));
        const QCheckBox *tick = m_ticks.value(c.widgetName);
        if (!date || !tick)
            continue;
        if (c.kind == CriterionDef::DateFrom && !haveFrom) {
            haveFrom = true;
            from = date->date();
            fromTicked = tick->isChecked();
        } else if (c.kind == CriterionDef::DateTo && !haveTo) {
            haveTo = true;
            to = date->date();
            toTicked = tick->isChecked();
        }
    }
    return TdmData::DateRangeCaption(from, fromTicked, to, toTicked);
}

ReportData StatisticsWindow::reportData() const
{
    ReportData data = RecordWindow::reportData();
    data.variables.insert(QStringLiteral("memDate"), dateRangeCaption());
    return data;
}

bool StatisticsWindow::handleKey(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (event->key() == Qt::Key_Q && event->modifiers() == Qt::ControlModifier) {
        QToolButton *b = button(QStringLiteral("tbQuery"));
        if (!b || !b->isEnabled())
            return false;
        b->setDown(true);
        b->click();
        b->setDown(false);
        return true;
    }
    if (plain && event->key() == Qt::Key_Escape)
        return toolBar()->clickIfEnabled(QStringLiteral("tbExit"));
    return RecordWindow::handleKey(event);
}

void SetToolbarEnabled(QWidget *window, bool enabled)
{
    for (const char *name : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"}) {
        if (auto *b = window->findChild<QToolButton *>(QString::fromLatin1(name)))
            b->setEnabled(enabled);
    }
}
