#include "estate/tfrmpublicsetedit.h"

#include "app/recordmanager/numberedit.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"

TfrmPublicSetEdit::TfrmPublicSetEdit(const EditWindowDef &definition, RecordListWindow *list)
    : RecordEditWindow(definition, list)
{
    for (const char *column : {"F_amount", "F_price"}) {
        if (auto *input = qobject_cast<NumberEdit *>(form()->input(QString::fromLatin1(column))))
            connect(input, &NumberEdit::valueChanged, this, &TfrmPublicSetEdit::proposeAmount);
    }
}

void TfrmPublicSetEdit::proposeAmount()
{
    const double quantity = form()->value(QStringLiteral("F_amount")).toDouble();
    const double price = form()->value(QStringLiteral("F_price")).toDouble();
    form()->setValue(QStringLiteral("F_totalprice"), quantity * price);
}

void TfrmPublicSetEdit::fieldsLoaded(bool fromRecord)
{
    // Loading a row set quantity and price, which proposed an amount; the
    // stored amount wins, since it may have been typed.
    if (fromRecord)
        form()->setValue(QStringLiteral("F_totalprice"), listWindow()->currentValue(QStringLiteral("F_totalprice")));
}
