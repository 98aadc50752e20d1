#include "app/recordmanager/filterbar.h"

#include "app/datamodule.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

FilterBar::FilterBar(const QList<FilterDef> &items, QWidget *parent)
    : QWidget(parent), m_items(items), m_field(new QComboBox(this)), m_text(new QLineEdit(this)),
      m_values(new QComboBox(this)), m_refresh(new QToolButton(this))
{
    setObjectName(QStringLiteral("pnlFilter"));
    m_field->setObjectName(QStringLiteral("ComboBox1"));
    m_text->setObjectName(QStringLiteral("Edit1"));
    m_values->setObjectName(QStringLiteral("ComboBox2"));
    m_refresh->setObjectName(QStringLiteral("SpeedButton1"));
    m_refresh->setText(QStringLiteral("查询"));
    m_refresh->setToolTip(QStringLiteral("刷新"));

    for (const FilterDef &item : std::as_const(m_items))
        m_field->addItem(item.caption);
    m_field->setCurrentIndex(-1);
    m_field->setMinimumWidth(100);
    m_text->setMinimumWidth(160);
    m_values->setMinimumWidth(160);
    m_values->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(QStringLiteral("查询类型："), this));
    layout->addWidget(m_field);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("查询内容："), this));
    layout->addWidget(m_text);
    layout->addWidget(m_values);
    layout->addWidget(m_refresh);
    layout->addStretch();

    connect(m_field, &QComboBox::currentIndexChanged, this, &FilterBar::onFieldChanged);
    connect(m_text, &QLineEdit::textChanged, this, &FilterBar::refreshRequested);
    connect(m_values, &QComboBox::currentTextChanged, this, &FilterBar::refreshRequested);
    connect(m_refresh, &QToolButton::clicked, this, &FilterBar::refreshRequested);
}

void FilterBar::onFieldChanged(int index)
{
    // A blank item (no column) adds no condition and leaves both boxes as they are.
    if (index >= 0 && index < m_items.size() && m_items.at(index).column.isEmpty())
        return;
    const bool fromList = index >= 0 && index < m_items.size() && !m_items.at(index).codeList.isEmpty();
    if (fromList) {
        const QSignalBlocker block(m_values);
        dmData().FillCodeList(m_items.at(index).codeList, m_values);
    }
    m_values->setVisible(fromList);
    m_text->setVisible(!fromList);
    // Emptying the boxes refreshes the list when they held a value.
    m_text->clear();
    m_values->setCurrentIndex(-1);
}

QString FilterBar::value() const
{
    const int index = m_field->currentIndex();
    const bool fromList = index >= 0 && index < m_items.size() && !m_items.at(index).codeList.isEmpty();
    return (fromList ? m_values->currentText() : m_text->text()).trimmed();
}

void FilterBar::appendCondition(ClauseBuilder &clause) const
{
    const int index = m_field->currentIndex();
    if (index < 0 || index >= m_items.size() || m_items.at(index).column.isEmpty())
        return;
    const FilterDef &item = m_items.at(index);
    clause.addLike(item.column, item.match, value());
}
