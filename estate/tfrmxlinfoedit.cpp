#include "estate/tfrmxlinfoedit.h"

#include "app/recordmanager/recordform.h"
#include "app/recordmanager/recordlistwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeEdit>

TfrmXLinfoEdit::TfrmXLinfoEdit(const EditWindowDef &definition, RecordListWindow *list)
    : RecordEditWindow(definition, list), m_time(new QTimeEdit(form()))
{
    m_time->setObjectName(QStringLiteral("dtpTime"));
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    // Beside the date: the cell after the date input in the form's grid.
    QWidget *date = form()->input(QStringLiteral("F_date"));
    if (auto *grid = qobject_cast<QGridLayout *>(form()->layout())) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        const int index = grid->indexOf(date);
        if (index >= 0) {
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            grid->removeWidget(date);
            auto *both = new QWidget(form());
            auto *layout = new QHBoxLayout(both);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(date, 1);
            layout->addWidget(m_time);
            grid->addWidget(both, row, column, rowSpan, columnSpan);
        }
    }
    setTabOrder(date, m_time);
}

void TfrmXLinfoEdit::fieldsLoaded(bool fromRecord)
{
    if (!fromRecord) {
        m_time->setTime(QTime::currentTime());
        return;
    }
    const QVariant stored = listWindow()->currentValue(QStringLiteral("F_time"));
    QTime time = stored.typeId() == QMetaType::QTime ? stored.toTime() : QTime();
    if (!time.isValid())
        time = QTime::fromString(stored.toString().left(8), QStringLiteral("HH:mm:ss"));
    m_time->setTime(time.isValid() ? time : QTime(0, 0));
}

bool TfrmXLinfoEdit::writeDependents(QSqlDatabase db, const QVariant &id, QString *error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("update T_XLinfo set F_time = :time where F_ID = :id"));
    q.bindValue(QStringLiteral(":time"), m_time->time().toString(QStringLiteral("HH:mm:ss")));
    q.bindValue(QStringLiteral(":id"), id);
    if (q.exec())
        return true;
    *error = q.lastError().text();
    return false;
}
