#include "estate/tfrmcarposedit.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/keypreview.h"
#include "app/recordmanager/numberedit.h"
#include "estate/parkingrules.h"
#include "estate/tfrmcarposgl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

NumberEdit *moneyInput(const char *name, QWidget *parent)
{
    auto *edit = new NumberEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDecimals(4);
    edit->setDisplayFormat(QStringLiteral("￥,0.00##;-￥,0.00##"));
    return edit;
}

}  // namespace

TfrmCarPosEdit::TfrmCarPosEdit(TfrmCarPosGL *list)
    : QDialog(list), m_list(list), m_code(new QLineEdit(this)), m_salePrice(moneyInput("ceYSprice", this)),
      m_address(new QLineEdit(this)), m_rentPrice(moneyInput("ceYZprice", this)), m_memo(new QPlainTextEdit(this)),
      m_ok(new QPushButton(QStringLiteral("确定"), this)), m_cancel(new QPushButton(QStringLiteral("取消"), this))
{
    setObjectName(QStringLiteral("TfrmCarPosEdit"));
    setWindowTitle(QStringLiteral("车位档案 - 新增"));
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_code->setMaxLength(50);
    m_address->setObjectName(QStringLiteral("edtAddress"));
    m_address->setMaxLength(255);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setTabChangesFocus(true);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    auto *heading = new QLabel(QStringLiteral("车位档案"), this);
    heading->setObjectName(QStringLiteral("Panel1"));
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);

    auto *form = new QGridLayout;
    const auto add = [this, form](int row, int column, const char *caption, QWidget *input) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(input);
        form->addWidget(label, row, column * 2, Qt::AlignRight);
        form->addWidget(input, row, column * 2 + 1);
    };
    add(0, 0, "车位编号：", m_code);
    add(0, 1, "预售价格：", m_salePrice);
    add(1, 0, "所在位置：", m_address);
    add(1, 1, "预租价格：", m_rentPrice);
    auto *memoLabel = new QLabel(QStringLiteral("备    注："), this);
    memoLabel->setBuddy(m_memo);
    form->addWidget(memoLabel, 2, 0, Qt::AlignRight | Qt::AlignTop);
    form->addWidget(m_memo, 2, 1, 1, 3);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setTabOrder(m_code, m_salePrice);
    setTabOrder(m_salePrice, m_address);
    setTabOrder(m_address, m_rentPrice);
    setTabOrder(m_rentPrice, m_memo);

    connect(m_ok, &QPushButton::clicked, this, &TfrmCarPosEdit::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    new KeyPreview(this, [this](QKeyEvent *event) { return handleKey(event); });
}

bool TfrmCarPosEdit::save()
{
    const estate::RuleOutcome outcome = estate::ParkingRules(dmData().ADOcnn())
                                            .create(m_code->text(), m_address->text(), m_salePrice->valueFromText(m_salePrice->text()),
                                                    m_rentPrice->valueFromText(m_rentPrice->text()), m_memo->toPlainText());
    if (!outcome.isDone()) {
        ShowMess(outcome.message, outcome.kind);
        if (!outcome.focus.isEmpty()) {
            m_code->setFocus();
            m_code->selectAll();
        }
        return false;
    }
    m_list->reopenTable();
    m_list->goToLastRow();
    accept();
    return true;
}

bool TfrmCarPosEdit::handleKey(QKeyEvent *event)
{
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_S) {
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
