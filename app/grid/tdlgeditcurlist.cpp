#include "app/grid/tdlgeditcurlist.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDLGeditCurList::TDLGeditCurList(QWidget *parent) : QDialog(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TDLGeditCurList"));
    setWindowTitle(QStringLiteral("批量修改当前列"));
    auto *prompt = new QLabel(QStringLiteral("请输入要填写的字段值："), this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
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
