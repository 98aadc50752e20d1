#include "estate/tfrmcarposedit1.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/captiongrid.h"
#include "app/recordmanager/editwindowframe.h"
#include "app/recordmanager/fieldwidgetfactory.h"
#include "app/recordmanager/numberedit.h"
#include "estate/housepickerquery.h"
#include "estate/tdlgfcinfocx.h"
#include "estate/tfrmcarposgl.h"
#include "estate/tickdateedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QLineEdit *line(const char *name, QWidget *parent, bool readOnly = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(50);
    if (readOnly) {
        edit->setReadOnly(true);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, QApplication::palette(edit).color(QPalette::Window));
        edit->setPalette(palette);
    }
    return edit;
}

FieldDef employeeField()
{
    FieldDef f;
    f.column = QStringLiteral("F_empName");
    f.widgetName = QStringLiteral("cbbEmpname");
    f.editor = Editor::Lookup;
    f.source = QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'empName' "
                              "order by F_name");
    return f;
}

}  // namespace

TfrmCarPosEdit1::TfrmCarPosEdit1(TfrmCarPosGL *list)
    : QDialog(list), m_list(list), m_code(line("edtCode", this, true)), m_address(line("edtAddress", this, true)),
      m_room(line("edtFZcode", this)), m_find(new QToolButton(this)), m_area(line("edtXQname", this, true)),
      m_owner(line("edtFZname", this, true)), m_carCode(line("edtCarCode", this)), m_phone(line("edtPhone", this)),
      m_handPhone(line("edtHandPhone", this)), m_from(new TickDateEdit(this)), m_to(new TickDateEdit(this)),
      m_status(new QComboBox(this)), m_amount(new NumberEdit(this)),
      m_employee(qobject_cast<QComboBox *>(FieldWidgetFactory::create(employeeField(), this))),
      m_outOfUse(new QCheckBox(QStringLiteral("停  用"), this)), m_memo(new QPlainTextEdit(this)),
      m_frame(new EditWindowFrame(this, QStringLiteral("销售、租赁车位管理"), list))
{
    setObjectName(QStringLiteral("TfrmCarPosEdit1"));
    m_code->setFocusPolicy(Qt::ClickFocus);
    m_find->setObjectName(QStringLiteral("sbFind"));
    m_find->setText(QStringLiteral("..."));
    m_find->setFocusPolicy(Qt::NoFocus);
    m_from->setObjectName(QStringLiteral("dtpFromDate"));
    m_to->setObjectName(QStringLiteral("dtpToDate"));
    m_status->setObjectName(QStringLiteral("cbbCQstatus"));
    m_status->setEditable(true);
    m_status->addItems({QStringLiteral("空闲"), QStringLiteral("出售"), QStringLiteral("出租")});
    m_amount->setObjectName(QStringLiteral("ceSJprice"));
    m_amount->setDisplayFormat(dmData().TotalFormat());
    m_outOfUse->setObjectName(QStringLiteral("cbFlag"));
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setTabChangesFocus(true);
    auto *roomRow = new QWidget(this);
    auto *roomLayout = new QHBoxLayout(roomRow);
    roomLayout->setContentsMargins(0, 0, 0, 0);
    roomLayout->setSpacing(2);
    roomLayout->addWidget(m_room, 1);
    roomLayout->addWidget(m_find);

    auto *form = new CaptionGrid(this, 2);
    const auto add = [form](int row, int pair, const char *caption, QWidget *input) {
        form->add(row, pair, QString::fromUtf8(caption), input);
    };
    add(0, 0, "车位编号：", m_code);
    add(0, 1, "车位位置：", m_address);
    add(1, 0, "房间编号：", roomRow);
    add(1, 1, "小区名称：", m_area);
    add(2, 0, "业主姓名：", m_owner);
    add(2, 1, "车辆号码：", m_carCode);
    add(3, 0, "联系电话：", m_phone);
    add(3, 1, "手    机：", m_handPhone);
    add(4, 0, "起始日期：", m_from);
    add(4, 1, "终止日期：", m_to);
    add(5, 0, "产权状态：", m_status);
    add(5, 1, "收费金额：", m_amount);
    add(6, 0, "经 手 人：", m_employee);
    form->addWidget(m_outOfUse, 6, 3);
    form->addWide(7, QStringLiteral("备    注："), m_memo);

    m_frame->addBody(form);

    connect(m_find, &QToolButton::clicked, this, &TfrmCarPosEdit1::chooseHousehold);
    connect(m_frame->okButton(), &QPushButton::clicked, this, &TfrmCarPosEdit1::save);
    connect(m_frame, &EditWindowFrame::navigated, this, [this] { LoadFields(true); });
}

void TfrmCarPosEdit1::ApplyMode(int mode)
{
    m_mode = mode;
    setWindowTitle(mode == ChangeMode ? QStringLiteral("销售、租赁车位管理 - 修改")
                                      : QStringLiteral("销售、租赁车位管理 - 新增"));
    m_frame->showRowParts(mode == SaleMode, mode == ChangeMode);
}

int TfrmCarPosEdit1::OpenInMode(int mode)
{
    ApplyMode(mode);
    LoadFields(mode == ChangeMode);
    m_room->setFocus();
    return exec();
}

void TfrmCarPosEdit1::display(const estate::ParkingSale &sale)
{
    m_sale = sale;
    m_room->setText(sale.room);
    m_area->setText(sale.area);
    m_owner->setText(sale.owner);
    m_carCode->setText(sale.carCode);
    m_phone->setText(sale.phone);
    m_handPhone->setText(sale.handPhone);
    m_from->set(sale.fromDate, sale.fromTicked);
    m_to->set(sale.toDate, sale.toTicked);
    m_status->setCurrentIndex(-1);
    m_status->setEditText(sale.status);
    m_amount->setValue(sale.amount);
    m_employee->setCurrentIndex(-1);
    m_employee->setEditText(sale.employee);
    m_outOfUse->setChecked(sale.outOfUse);
    m_memo->setPlainText(sale.memo);
}

void TfrmCarPosEdit1::LoadFields(bool fromRecord)
{
    m_code->setText(m_list->currentValue(QStringLiteral("F_code")).toString());
    m_address->setText(m_list->currentValue(QStringLiteral("F_address")).toString());
    const QDate today = QDate::currentDate();
    if (fromRecord) {
        display(estate::ParkingSale::fromValues(
            [this](const QString &column) { return m_list->currentValue(column); }, today));
        return;
    }
    estate::ParkingSale empty;
    empty.fromDate = today;
    empty.toDate = today;
    display(empty);
}

estate::ParkingSale TfrmCarPosEdit1::collect() const
{
    estate::ParkingSale s = m_sale;   // household id and building stay as chosen
    s.room = m_room->text();
    s.area = m_area->text();
    s.owner = m_owner->text();
    s.carCode = m_carCode->text();
    s.phone = m_phone->text();
    s.handPhone = m_handPhone->text();
    s.fromDate = m_from->date();
    s.fromTicked = m_from->isTicked();
    s.toDate = m_to->date();
    s.toTicked = m_to->isTicked();
    s.status = m_status->currentText();
    s.amount = m_amount->valueFromText(m_amount->text());
    s.employee = m_employee->currentText();
    s.outOfUse = m_outOfUse->isChecked();
    s.memo = m_memo->toPlainText();
    return s;
}

void TfrmCarPosEdit1::chooseHousehold()
{
    TDLGfcinfoCX picker(this);
    const int chosen = picker.PickHouse(m_sale.household);
    if (chosen == m_sale.household)
        return;
    m_sale.household = chosen;
    if (const std::optional<estate::SoldHouse> house = estate::HousePickerQuery::soldHouse(chosen, nullptr,
                                                                                          dmData().ADOcnn())) {
        m_sale.takeHouse(*house);
        m_room->setText(house->code);
        m_area->setText(house->area);
        m_owner->setText(house->owner);
    }
}

bool TfrmCarPosEdit1::save()
{
    const QVariant id = m_list->currentValue(QStringLiteral("F_ID"));
    const estate::RuleOutcome outcome = estate::ParkingRules(dmData().ADOcnn()).saveSale(id.toInt(), collect());
    if (!outcome.isDone()) {
        ShowMess(outcome.message, outcome.kind);
        return false;
    }
    m_list->reopenTable();
    m_list->locateId(id);
    if (m_frame->keepsAdding()) {
        LoadFields(false);
        m_room->setFocus();
        return true;
    }
    accept();
    return true;
}
