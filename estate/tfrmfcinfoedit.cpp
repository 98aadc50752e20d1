#include "estate/tfrmfcinfoedit.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "app/recordmanager/editwindowframe.h"
#include "app/recordmanager/fieldwidgetfactory.h"
#include "app/recordmanager/recordform.h"
#include "estate/emptydate.h"
#include "estate/houserules.h"
#include "estate/housewindowdefs.h"
#include "estate/tfrmfcinfogl.h"
#include "estate/tickdateedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using estate::HouseMode;
using estate::HouseModes;

namespace {

// A labelled input placed in front of a page's generated inputs.
QWidget *labelled(const QString &caption, QWidget *input, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(9, 0, 9, 0);
    auto *label = new QLabel(caption, row);
    label->setBuddy(input);
    layout->addWidget(label);
    layout->addWidget(input);
    layout->addStretch();
    return row;
}

void tint(QWidget *input, bool locked)
{
    input->setEnabled(!locked);
    QPalette palette = input->palette();
    palette.setColor(QPalette::Base, QApplication::palette(input).color(locked ? QPalette::Window : QPalette::Base));
    input->setPalette(palette);
}

}  // namespace

TfrmFCinfoEdit::TfrmFCinfoEdit(TfrmFCinfoGL *list)
    : QDialog(list), m_list(list), m_house(new RecordForm(HouseWindowDefs::houseGroup(), this)),
      m_contract(nullptr), m_resident(nullptr), m_sex(new QComboBox(this)), m_moveIn(new TickDateEdit(this)),
      m_pages(new QTabWidget(this)), m_frame(new EditWindowFrame(this, QStringLiteral("房产住户档案"), list))
{
    setObjectName(QStringLiteral("TfrmFCinfoEdit"));
    setWindowTitle(QStringLiteral("房产住户档案"));

    auto *houseBox = new QGroupBox(QStringLiteral("基本信息"), this);
    houseBox->setObjectName(QStringLiteral("GroupBox1"));
    auto *houseLayout = new QVBoxLayout(houseBox);
    houseLayout->addWidget(m_house);

    auto *contractPage = new QWidget(m_pages);
    contractPage->setObjectName(QStringLiteral("TabSheet1"));
    m_contract = new RecordForm(HouseWindowDefs::contractPage(), contractPage);
    m_sex->setObjectName(QStringLiteral("cbbFZsex"));
    m_sex->setEditable(true);
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_sex->setCurrentIndex(-1);
    m_sex->setMinimumWidth(120);
    auto *contractLayout = new QVBoxLayout(contractPage);
    contractLayout->addWidget(m_contract);
    contractLayout->addWidget(labelled(QStringLiteral("性    别："), m_sex, contractPage));
    m_pages->addTab(contractPage, QStringLiteral(" 合同信息 "));

    auto *residentPage = new QWidget(m_pages);
    residentPage->setObjectName(QStringLiteral("TabSheet2"));
    m_resident = new RecordForm(HouseWindowDefs::residentPage(), residentPage);
    m_moveIn->setObjectName(QStringLiteral("dtpRZdate"));
    auto *residentLayout = new QVBoxLayout(residentPage);
    residentLayout->addWidget(labelled(QStringLiteral("入住日期："), m_moveIn, residentPage));
    residentLayout->addWidget(m_resident);
    m_pages->addTab(residentPage, QStringLiteral(" 住户信息 "));
    m_pages->setObjectName(QStringLiteral("PageControl1"));

    m_frame->continuousAdd()->setChecked(false);
    m_frame->addBody(houseBox);
    m_frame->addBody(m_pages, 1);

    auto *contractDate = qobject_cast<QDateEdit *>(m_contract->input(QStringLiteral("F_HTdate")));
    connect(contractDate, &QDateEdit::dateChanged, this, [this] { m_contractDateTouched = true; });
    connect(m_frame->okButton(), &QPushButton::clicked, this, &TfrmFCinfoEdit::save);
    connect(m_frame, &EditWindowFrame::navigated, this, [this] { LoadFields(true); });
}

TfrmFCinfoEdit::~TfrmFCinfoEdit() = default;

void TfrmFCinfoEdit::PrepareMode(HouseMode mode)
{
    m_mode = mode;
    setWindowTitle(HouseModes::caption(mode));
    m_frame->showRowParts(HouseModes::showsContinuousAdd(mode), HouseModes::showsNavigator(mode));
    LoadFields(mode != HouseMode::New);
    lockInputs();
    const QString stored = m_house->text(QStringLiteral("F_curStatus"));
    m_house->setValue(QStringLiteral("F_curStatus"), HouseModes::statusAtOpening(mode, stored));
    if (mode == HouseMode::MoveIn)
        m_pages->setCurrentIndex(1);
    m_house->input(QStringLiteral("F_XQname"))->setFocus();
}

int TfrmFCinfoEdit::OpenInMode(HouseMode mode)
{
    PrepareMode(mode);
    return exec();
}

void TfrmFCinfoEdit::lockInputs()
{
    const bool houseLocked = HouseModes::locksHouseGroup(m_mode);
    const bool contractLocked = HouseModes::locksContractPage(m_mode);
    for (const FieldDef &f : m_house->fields())
        FieldWidgetFactory::setReadOnly(m_house->input(f.column), f, houseLocked);
    for (const FieldDef &f : m_contract->fields())
        FieldWidgetFactory::setReadOnly(m_contract->input(f.column), f, contractLocked);
    tint(m_sex, contractLocked);
}

void TfrmFCinfoEdit::LoadFields(bool fromRecord)
{
    const QDate today = QDate::currentDate();
    if (fromRecord) {
        const auto valueOf = [this](const QString &column) { return m_list->currentValue(column); };
        m_house->loadRecord(valueOf);
        m_contract->loadRecord(valueOf);
        m_resident->loadRecord(valueOf);
        m_sex->setCurrentIndex(-1);
        m_sex->setEditText(valueOf(QStringLiteral("F_FZsex")).toString());
        const QVariant contractDate = valueOf(QStringLiteral("F_HTdate"));
        m_contractDateWasNone = estate::EmptyDate::isNone(contractDate);
        m_contract->setValue(QStringLiteral("F_HTdate"),
                             m_contractDateWasNone ? today : estate::EmptyDate::fromStored(contractDate));
        const QDate moveIn = estate::EmptyDate::fromStored(valueOf(QStringLiteral("F_RZdate")));
        const bool hasMoveIn = !estate::EmptyDate::isNone(moveIn);
        m_moveIn->set(hasMoveIn ? moveIn : today, hasMoveIn);
    } else {
        m_house->clearInputs(false);
        m_contract->clearInputs(false);
        m_resident->clearInputs(false);
        m_sex->setCurrentIndex(-1);
        m_sex->setEditText(QString());
        m_contract->setValue(QStringLiteral("F_HTdate"), today);
        m_moveIn->set(today, false);
        m_contractDateWasNone = false;
    }
    m_contractDateTouched = false;
}

QVariantMap TfrmFCinfoEdit::values() const
{
    QVariantMap v;
    for (const RecordForm *form : {m_house, m_contract, m_resident}) {
        for (const auto &pair : form->savedValues())
            v.insert(pair.first, pair.second);
    }
    v.insert(QStringLiteral("F_FZsex"), m_sex->currentText());
    v.insert(QStringLiteral("F_HTdate"),
             estate::HouseRules::contractDateToStore(m_mode, m_contractDateWasNone, m_contractDateTouched,
                                                     m_contract->value(QStringLiteral("F_HTdate")).toDate()));
    v.insert(QStringLiteral("F_RZdate"), m_moveIn->isTicked() ? m_moveIn->date() : QDate());
    return v;
}

bool TfrmFCinfoEdit::save()
{
    const bool updates = !HouseModes::inserts(m_mode);
    const int editedId = updates ? m_list->currentValue(QStringLiteral("F_ID")).toInt() : 0;
    const estate::RuleOutcome outcome = estate::HouseRules(dmData().ADOcnn()).save(m_mode, values(), editedId);
    if (!outcome.isDone()) {
        ShowMess(outcome.message, outcome.kind);
        if (QWidget *input = findChild<QWidget *>(outcome.focus)) {
            input->setFocus();
            if (auto *line = qobject_cast<QLineEdit *>(input))
                line->selectAll();
        }
        return false;
    }

    m_list->reopenHouses();
    if (m_mode == HouseMode::Change)
        m_list->locateId(editedId);
    else
        m_list->goToLastRow();

    const bool staysOpen = m_frame->keepsAdding();
    if (staysOpen) {
        LoadFields(false);
        m_house->input(QStringLiteral("F_XQname"))->setFocus();
    }
    // A new building shows in the tree at once.
    if (m_list->hasHouseIn(m_house->text(QStringLiteral("F_XQname")), m_house->text(QStringLiteral("F_LDcode"))))
        m_list->BuildAreaTree();
    if (!staysOpen)
        accept();
    return true;
}
