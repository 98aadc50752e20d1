#include "estate/tfrmyjinfoedit.h"

#include "app/datamodule.h"
#include "app/recordmanager/formsave.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"

#include <QTimer>

TfrmYJinfoEdit::TfrmYJinfoEdit(const EditWindowDef &definition, RecordListWindow *list)
    : RecordEditWindow(definition, list)
{
}

bool TfrmYJinfoEdit::checkInputs()
{
    const QVariant id = mode() == EditMode ? listWindow()->currentValue(QStringLiteral("F_ID")) : QVariant();
    const int holder = dmData().LookupInt(QStringLiteral("select F_ID from T_YJinfo where F_code = :code and F_ID <> :id"),
                                          {{QStringLiteral(":code"), form()->text(QStringLiteral("F_code"))},
                                           {QStringLiteral(":id"), id.isNull() ? qint64(-1) : id.toLongLong()}});
    if (holder <= 0)
        return true;
    FormSave::focusInput(form(), QStringLiteral("F_code"));
    return false;
}

void TfrmYJinfoEdit::fieldsLoaded(bool fromRecord)
{
    // After a continuous-add save the next suggestion starts at its date;
    // the window puts the focus on the first input afterwards, so wait for it.
    if (!fromRecord && isVisible()) {
        QTimer::singleShot(0, this, [this] {
            if (QWidget *date = form()->input(QStringLiteral("F_date")))
                date->setFocus(Qt::OtherFocusReason);
        });
    }
}
