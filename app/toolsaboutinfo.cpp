#include "app/toolsaboutinfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QString TfrmAboutInfo::kProductName = QStringLiteral("Korrin物业管理软件");
const QString TfrmAboutInfo::kVersion = QStringLiteral("v2.25(网络版)");

TfrmAboutInfo::TfrmAboutInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmAboutInfo"));
    setWindowTitle(QStringLiteral("关于我们"));

    auto *name = new QLabel(kProductName, this);
    name->setObjectName(QStringLiteral("lblProduct"));
    name->setAlignment(Qt::AlignCenter);
    name->setStyleSheet(QStringLiteral("QLabel { font-size: 20px; font-weight: bold; color: #2f6ea5; }"));
    auto *version = new QLabel(QStringLiteral("版本：") + kVersion, this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto *note = new QLabel(QStringLiteral("小区物业收费、房产住户、报修与配件的综合管理。"), this);
    note->setAlignment(Qt::AlignCenter);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 16);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(note);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}
