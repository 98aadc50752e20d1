#include "app/grid/tdlgeditcurlist.h"

#include "app/dialogbuttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TDLGeditCurList::TDLGeditCurList(QWidget *parent) : QDialog(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TDLGeditCurList"));
    setWindowTitle(QStringLiteral("批量修改当前列"));
    auto *prompt = new QLabel(QStringLiteral("请输入要填写的字段值："), this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    QHBoxLayout *buttons = DialogButtons::okCancel(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

QString TDLGeditCurList::text() const
{
    return m_edit->text();
}

QString AskColumnValue(const QString &fieldName, QWidget *parent)
{
    Q_UNUSED(fieldName)
    TDLGeditCurList dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.text() : QString();
}
