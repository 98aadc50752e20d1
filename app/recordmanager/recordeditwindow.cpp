#include "app/recordmanager/recordeditwindow.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/fieldwidgetfactory.h"
#include "app/recordmanager/keypreview.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

RecordEditWindow::RecordEditWindow(const EditWindowDef &definition, RecordListWindow *list)
    : QDialog(list), m_def(definition), m_list(list), m_heading(new QLabel(definition.title, this)),
      m_form(new RecordForm(definition, this)), m_continuous(new QCheckBox(QStringLiteral("连续新增"), this)),
      m_navigator(new QWidget(this)), m_ok(new QPushButton(QStringLiteral("确定"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setObjectName(m_def.className);
    setWindowTitle(m_def.title);
    m_heading->setObjectName(QStringLiteral("Panel1"));
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setMinimumHeight(36);

    m_continuous->setObjectName(QStringLiteral("CheckBox1"));
    m_continuous->setChecked(true);
    m_continuous->setFocusPolicy(Qt::ClickFocus);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    auto *nav = new QHBoxLayout(m_navigator);
    nav->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char *name;
        const char *text;
        void (RecordListWindow::*move)();
    } steps[] = {{"nbFirst", "|<", &RecordListWindow::moveFirst},
                 {"nbPrior", "<", &RecordListWindow::movePrior},
                 {"nbNext", ">", &RecordListWindow::moveNext},
                 {"nbLast", ">|", &RecordListWindow::moveLast}};
    for (const auto &s : steps) {
        auto *b = new QToolButton(m_navigator);
        b->setObjectName(QString::fromLatin1(s.name));
        b->setText(QString::fromLatin1(s.text));
        b->setFocusPolicy(Qt::NoFocus);
        const auto move = s.move;
        connect(b, &QToolButton::clicked, this, [this, move] { navigate(move); });
        nav->addWidget(b);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_continuous);
    buttons->addWidget(m_navigator);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_form, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &RecordEditWindow::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    new KeyPreview(this, [this](QKeyEvent *event) { return handleKey(event); });
}

RecordEditWindow::~RecordEditWindow() = default;

void RecordEditWindow::ApplyMode(int mode)
{
    m_mode = mode == EditMode ? EditMode : NewMode;
    setWindowTitle(m_def.title + (m_mode == NewMode ? QStringLiteral(" - 新增") : QStringLiteral(" - 修改")));
    m_continuous->setVisible(m_mode == NewMode);
    m_navigator->setVisible(m_mode == EditMode);
}

int RecordEditWindow::OpenInMode(int mode)
{
    ApplyMode(mode);
    m_form->setEditing(m_mode == EditMode);
    // The code of an existing row is never changed here.
    const QString code = m_form->codeColumn();
    if (!code.isEmpty() && m_mode == EditMode)
        FieldWidgetFactory::setReadOnly(m_form->input(code), *m_form->field(code), true);
    if (!LoadFields(m_mode == EditMode))
        return QDialog::Rejected;
    if (QWidget *first = m_form->firstInputAfterCode())
        first->setFocus(Qt::OtherFocusReason);
    return exec();
}

bool RecordEditWindow::LoadFields(bool fromRecord)
{
    if (fromRecord) {
        m_form->loadRecord([this](const QString &column) { return m_list->currentValue(column); });
    } else {
        m_form->clearInputs(true);
        const QString code = m_form->codeColumn();
        if (!code.isEmpty()) {
            const CodeProposal next = dmData().NextCode(m_def.table, m_def.codeWidth, code);
            if (!next) {
                ShowMess(QStringLiteral("无法生成新编号：") + next.error, MessError);
                return false;
            }
            m_form->setValue(code, next.code);
        }
    }
    fieldsLoaded(fromRecord);
    return true;
}

bool RecordEditWindow::save()
{
    const QVariant id = m_mode == EditMode ? m_list->currentValue(QStringLiteral("F_ID")) : QVariant();
    const std::optional<QVariant> saved = FormSave::run(m_def, m_form, id, *this);
    if (!saved)
        return false;
    m_list->reopenTable();
    m_list->locateId(*saved);
    m_list->showRecordCount();
    if (m_mode == EditMode || !m_continuous->isChecked()) {
        accept();
        return true;
    }
    if (LoadFields(false)) {
        if (QWidget *first = m_form->firstInputAfterCode())
            first->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void RecordEditWindow::navigate(void (RecordListWindow::*move)())
{
    (m_list->*move)();
    LoadFields(true);
}

bool RecordEditWindow::handleKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier) {
        if (m_ok->isEnabled())
            m_ok->click();
        return true;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel->isEnabled())
            m_cancel->click();
        return true;
    }
    return KeyPreview::enterMovesFocus(this, event);
}
