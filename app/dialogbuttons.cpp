#include "app/dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout *DialogButtons::okCancel(QDialog *dialog, OkDefault okDefault)
{
    auto *ok = new QPushButton(QStringLiteral("确定"), dialog);
    ok->setObjectName(QStringLiteral("Button1"));
    if (okDefault == OkIsDefault)
        ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), dialog);
    cancel->setObjectName(QStringLiteral("Button2"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}
