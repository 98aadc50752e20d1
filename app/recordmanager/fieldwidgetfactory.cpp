#include "app/recordmanager/fieldwidgetfactory.h"

#include "access/session.h"
#include "app/datamodule.h"
#include "app/recordmanager/numberedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Fills a drop-down input each time it receives the focus, so that it always
// offers the current code list or areas; the text typed so far stays.
class FillOnFocus : public QObject {
public:
    FillOnFocus(QComboBox *combo, const FieldDef &field) : QObject(combo), m_combo(combo), m_field(field)
    {
        combo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_combo && event->type() == QEvent::FocusIn)
            fill();
        return false;
    }

private:
    void fill()
    {
        const QString text = m_combo->currentText();
        switch (m_field.editor) {
        case Editor::CodeList:
            dmData().FillCodeList(m_field.source, m_combo);
            break;
        case Editor::Lookup:
            dmData().FillCombo(m_field.source, m_combo);
            break;
        case Editor::Area: {
            const Session &session = Session::current();
            dmData().FillCombo(QStringLiteral("select F_name from T_XQinfo where (1=1) ")
                                   + session.areaNameScopeClause() + QStringLiteral(" order by F_ID"),
                               session.areaScope().binds(), m_combo);
            break;
        }
        default:
            break;
        }
        if (m_combo->currentText() != text)
            m_combo->setEditText(text);
    }

    QComboBox *m_combo;
    FieldDef m_field;
};

bool isCombo(Editor e)
{
    return e == Editor::CodeList || e == Editor::Lookup || e == Editor::Area;
}

bool isNumber(Editor e)
{
    return e == Editor::Integer || e == Editor::Number || e == Editor::Amount || e == Editor::Price
           || e == Editor::Money;
}

}  // namespace

QString FieldWidgetFactory::nonNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QWidget *FieldWidgetFactory::create(const FieldDef &field, QWidget *parent)
{
    QWidget *input = nullptr;
    const TdmData &dm = dmData();
    switch (field.editor) {
    case Editor::Line: {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(field.maxLength > 0 ? field.maxLength : 50);
        input = edit;
        break;
    }
    case Editor::Memo: {
        auto *memo = new QPlainTextEdit(parent);
        memo->setTabChangesFocus(true);
        memo->setMinimumHeight(60);
        input = memo;
        break;
    }
    case Editor::Integer:
    case Editor::Number:
    case Editor::Amount:
    case Editor::Price:
    case Editor::Money: {
        auto *number = new NumberEdit(parent);
        if (field.editor == Editor::Integer) {
            number->setDecimals(0);
        } else if (field.editor == Editor::Amount) {
            number->setDisplayFormat(dm.AmountFormat());
        } else if (field.editor == Editor::Price) {
            number->setDecimals(dm.PriceDecimals());
            number->setDisplayFormat(dm.PriceFormat());
        } else if (field.editor == Editor::Money) {
            number->setDisplayFormat(dm.TotalFormat());
        }
        input = number;
        break;
    }
    case Editor::Date: {
        auto *date = new QDateEdit(QDate::currentDate(), parent);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setCalendarPopup(true);
        input = date;
        break;
    }
    case Editor::CodeList:
    case Editor::Lookup:
    case Editor::Area: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setMaxLength(field.maxLength > 0 ? field.maxLength : 50);
        new FillOnFocus(combo, field);
        input = combo;
        break;
    }
    case Editor::Check: {
        auto *check = new QCheckBox(field.caption, parent);
        input = check;
        break;
    }
    }
    input->setObjectName(field.widgetName);
    if (field.flags & SkipTab)
        input->setFocusPolicy(Qt::ClickFocus);
    if (field.flags & AlwaysReadOnly)
        setReadOnly(input, field, true);
    return input;
}

QVariant FieldWidgetFactory::value(const QWidget *input, const FieldDef &field)
{
    if (field.editor == Editor::Line)
        return nonNull(static_cast<const QLineEdit *>(input)->text().trimmed());
    if (field.editor == Editor::Memo)
        return nonNull(static_cast<const QPlainTextEdit *>(input)->toPlainText());
    if (isNumber(field.editor)) {
        auto *number = static_cast<const NumberEdit *>(input);
        const double v = number->valueFromText(number->text());
        if (field.editor == Editor::Integer)
            return qRound64(v);
        return v;
    }
    if (field.editor == Editor::Date)
        return static_cast<const QDateEdit *>(input)->date();
    if (isCombo(field.editor))
        return nonNull(static_cast<const QComboBox *>(input)->currentText().trimmed());
    if (field.editor == Editor::Check)
        return static_cast<const QCheckBox *>(input)->isChecked() ? 1 : 0;
    return QVariant();
}

void FieldWidgetFactory::setValue(QWidget *input, const FieldDef &field, const QVariant &value)
{
    if (field.editor == Editor::Line) {
        static_cast<QLineEdit *>(input)->setText(value.toString());
    } else if (field.editor == Editor::Memo) {
        static_cast<QPlainTextEdit *>(input)->setPlainText(value.toString());
    } else if (isNumber(field.editor)) {
        static_cast<NumberEdit *>(input)->setValue(value.isNull() ? 0.0 : value.toDouble());
    } else if (field.editor == Editor::Date) {
        QDate d = value.typeId() == QMetaType::QDate ? value.toDate()
                                                     : QDate::fromString(value.toString().left(10), Qt::ISODate);
        static_cast<QDateEdit *>(input)->setDate(d.isValid() ? d : QDate::currentDate());
    } else if (isCombo(field.editor)) {
        auto *combo = static_cast<QComboBox *>(input);
        combo->setCurrentIndex(-1);
        combo->setEditText(value.toString());
    } else if (field.editor == Editor::Check) {
        static_cast<QCheckBox *>(input)->setChecked(value.toInt() != 0);
    }
}

void FieldWidgetFactory::clear(QWidget *input, const FieldDef &field)
{
    setValue(input, field, QVariant());
}

void FieldWidgetFactory::setReadOnly(QWidget *input, const FieldDef &field, bool readOnly)
{
    if (field.editor == Editor::Line)
        static_cast<QLineEdit *>(input)->setReadOnly(readOnly);
    else if (field.editor == Editor::Memo)
        static_cast<QPlainTextEdit *>(input)->setReadOnly(readOnly);
    else if (isNumber(field.editor))
        static_cast<NumberEdit *>(input)->setReadOnly(readOnly);
    else
        input->setEnabled(!readOnly);
    // A read-only input is tinted so that it does not look like one to type into.
    QPalette palette = input->palette();
    palette.setColor(QPalette::Base, QApplication::palette(input).color(readOnly ? QPalette::Window : QPalette::Base));
    input->setPalette(palette);
}
