#include "app/recordmanager/recordform.h"

#include "app/recordmanager/captiongrid.h"
#include "app/recordmanager/fieldwidgetfactory.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

RecordForm::RecordForm(const EditWindowDef &definition, QWidget *parent)
    : QWidget(parent), m_fields(definition.fields)
{
    setObjectName(QStringLiteral("pnlInputs"));
    const int perRow = qMax(1, definition.formColumns);
    auto *grid = new CaptionGrid(this, perRow);
    int row = 0;
    int pair = 0;
    QWidget *previous = nullptr;
    for (const FieldDef &f : std::as_const(m_fields)) {
        QWidget *input = FieldWidgetFactory::create(f, this);
        m_inputs.insert(f.column.toLower(), input);
        const bool wide = f.editor == Editor::Memo;
        if (wide && pair > 0) {
            ++row;
            pair = 0;
        }
        if (f.editor == Editor::Check)
            grid->addWidget(input, row, pair * 2 + 1);
        else if (wide)
            grid->addWide(row, f.caption, input);
        else
            grid->add(row, pair, f.caption, input);
        if (wide || ++pair >= perRow) {
            ++row;
            pair = 0;
        }
        if (previous && (input->focusPolicy() & Qt::TabFocus))
            setTabOrder(previous, input);
        if (input->focusPolicy() & Qt::TabFocus)
            previous = input;
    }

    if (definition.hints.isEmpty()) {
        setLayout(grid);
        return;
    }
    auto *hints = new QVBoxLayout;
    for (const QString &hint : definition.hints) {
        auto *label = new QLabel(hint, this);
        label->setWordWrap(true);
        hints->addWidget(label);
    }
    hints->addStretch();
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(grid, 3);
    outer->addLayout(hints, 2);
}

const FieldDef *RecordForm::field(const QString &column) const
{
    for (const FieldDef &f : m_fields)
        if (f.column.compare(column, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

QWidget *RecordForm::input(const QString &column) const
{
    return m_inputs.value(column.toLower());
}

QString RecordForm::codeColumn() const
{
    for (const FieldDef &f : m_fields)
        if (f.flags & CodeField)
            return f.column;
    return QString();
}

QVariant RecordForm::value(const QString &column) const
{
    const FieldDef *f = field(column);
    return f ? FieldWidgetFactory::value(input(column), *f) : QVariant();
}

void RecordForm::setValue(const QString &column, const QVariant &value)
{
    if (const FieldDef *f = field(column))
        FieldWidgetFactory::setValue(input(column), *f, value);
}

void RecordForm::loadRecord(const std::function<QVariant(const QString &column)> &valueOf)
{
    m_loaded.clear();
    for (const FieldDef &f : std::as_const(m_fields)) {
        const QVariant v = valueOf(f.column);
        m_loaded.insert(f.column.toLower(), v);
        FieldWidgetFactory::setValue(input(f.column), f, v);
    }
}

void RecordForm::clearInputs(bool keepMarked)
{
    m_loaded.clear();
    for (const FieldDef &f : std::as_const(m_fields)) {
        if (keepMarked && (f.flags & KeepOnNew))
            continue;
        FieldWidgetFactory::clear(input(f.column), f);
    }
}

void RecordForm::setEditing(bool editing)
{
    for (const FieldDef &f : std::as_const(m_fields)) {
        if (f.flags & AlwaysReadOnly)
            continue;
        if (f.flags & ReadOnlyOnEdit)
            FieldWidgetFactory::setReadOnly(input(f.column), f, editing);
    }
}

QList<QPair<QString, QVariant>> RecordForm::savedValues() const
{
    QList<QPair<QString, QVariant>> out;
    for (const FieldDef &f : m_fields)
        if (!(f.flags & NotSaved))
            out.append({f.column, value(f.column)});
    return out;
}

QWidget *RecordForm::firstInput() const
{
    return m_fields.isEmpty() ? nullptr : input(m_fields.first().column);
}

QWidget *RecordForm::firstInputAfterCode() const
{
    bool afterCode = codeColumn().isEmpty();
    for (const FieldDef &f : m_fields) {
        if (afterCode && !(f.flags & (AlwaysReadOnly | CodeField)))
            return input(f.column);
        if (f.flags & CodeField)
            afterCode = true;
    }
    return firstInput();
}
