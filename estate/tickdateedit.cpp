#include "estate/tickdateedit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

TickDateEdit::TickDateEdit(QWidget *parent)
    : QWidget(parent), m_tick(new QCheckBox(this)), m_date(new QDateEdit(QDate::currentDate(), this))
{
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_tick);
    layout->addWidget(m_date, 1);
    setFocusProxy(m_date);
    connect(m_tick, &QCheckBox::toggled, this, &TickDateEdit::changed);
    connect(m_date, &QDateEdit::dateChanged, this, &TickDateEdit::changed);
}

QDate TickDateEdit::date() const
{
    return m_date->date();
}

void TickDateEdit::setDate(const QDate &date)
{
    m_date->setDate(date);
}

bool TickDateEdit::isTicked() const
{
    return m_tick->isChecked();
}

void TickDateEdit::setTicked(bool ticked)
{
    m_tick->setChecked(ticked);
}

void TickDateEdit::set(const QDate &date, bool ticked)
{
    m_date->setDate(date);
    m_tick->setChecked(ticked);
}
