#include "estate/tfrmcarposedit.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/captiongrid.h"
#include "app/recordmanager/editwindowframe.h"
#include "app/recordmanager/numberedit.h"
#include "estate/parkingrules.h"
#include "estate/tfrmcarposgl.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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
      m_frame(new EditWindowFrame(this, QStringLiteral("车位档案")))
{
    setObjectName(QStringLiteral("TfrmCarPosEdit"));
    setWindowTitle(QStringLiteral("车位档案 - 新增"));
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_code->setMaxLength(50);
    m_address->setObjectName(QStringLiteral("edtAddress"));
    m_address->setMaxLength(255);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setTabChangesFocus(true);

    auto *form = new CaptionGrid(this, 2);
    const auto add = [form](int row, int pair, const char *caption, QWidget *input) {
        form->add(row, pair, QString::fromUtf8(caption), input);
    };
    add(0, 0, "车位编号：", m_code);
    add(0, 1, "预售价格：", m_salePrice);
    add(1, 0, "所在位置：", m_address);
    add(1, 1, "预租价格：", m_rentPrice);
    form->addWide(2, QStringLiteral("备    注："), m_memo);

    m_frame->addBody(form);
    setTabOrder(m_code, m_salePrice);
    setTabOrder(m_salePrice, m_address);
    setTabOrder(m_address, m_rentPrice);
    setTabOrder(m_rentPrice, m_memo);

    connect(m_frame->okButton(), &QPushButton::clicked, this, &TfrmCarPosEdit::save);
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
