#include "app/recordmanager/recordeditwindow.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/editwindowframe.h"
#include "app/recordmanager/fieldwidgetfactory.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"

#include <QPushButton>

RecordEditWindow::RecordEditWindow(const EditWindowDef &definition, RecordListWindow *list)
    : QDialog(list), m_def(definition), m_list(list), m_form(new RecordForm(definition, this)),
      m_frame(new EditWindowFrame(this, definition.title, list))
{
    setObjectName(m_def.className);
    setWindowTitle(m_def.title);
    m_frame->addBody(m_form, 1);
    connect(m_frame->okButton(), &QPushButton::clicked, this, &RecordEditWindow::save);
    connect(m_frame, &EditWindowFrame::navigated, this, [this] { LoadFields(true); });
}

RecordEditWindow::~RecordEditWindow() = default;

void RecordEditWindow::ApplyMode(int mode)
{
    m_mode = mode == EditMode ? EditMode : NewMode;
    setWindowTitle(m_def.title + (m_mode == NewMode ? QStringLiteral(" - 新增") : QStringLiteral(" - 修改")));
    m_frame->showRowParts(m_mode == NewMode, m_mode == EditMode);
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
    if (!m_frame->keepsAdding()) {
        accept();
        return true;
    }
    if (LoadFields(false)) {
        if (QWidget *first = m_form->firstInputAfterCode())
            first->setFocus(Qt::OtherFocusReason);
    }
    return true;
}
