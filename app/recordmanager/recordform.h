#pragma once

#include "app/recordmanager/windowdefs.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

#include <functional>

// The inputs of one record, built from the field descriptions of an edit
// window: a label and an input per field, in tab order, with the window's
// hints beside them. It remembers the values of the record it last showed,
// so that a save can compare old and new (renames).
class RecordForm : public QWidget {
    Q_OBJECT
public:
    RecordForm(const EditWindowDef &definition, QWidget *parent = nullptr);

    const QList<FieldDef> &fields() const { return m_fields; }
    const FieldDef *field(const QString &column) const;
    QWidget *input(const QString &column) const;
    // The code field's column, or empty when the record has no code.
    QString codeColumn() const;

    QVariant value(const QString &column) const;
    QString text(const QString &column) const { return value(column).toString(); }
    void setValue(const QString &column, const QVariant &value);

    // Shows a record; valueOf gives the stored value of a column.
    void loadRecord(const std::function<QVariant(const QString &column)> &valueOf);
    // Empties every input, except those kept for the next new record when keepMarked.
    void clearInputs(bool keepMarked);
    // The value of the record last shown, null after clearInputs().
    QVariant loadedValue(const QString &column) const { return m_loaded.value(column.toLower()); }

    // Edit mode makes the ReadOnlyOnEdit inputs read-only.
    void setEditing(bool editing);

    // The columns and values written by a save, in field order.
    QList<QPair<QString, QVariant>> savedValues() const;

    QWidget *firstInput() const;
    // The first input after the code, where typing starts on a new record.
    QWidget *firstInputAfterCode() const;

private:
    QList<FieldDef> m_fields;
    QHash<QString, QWidget *> m_inputs;    // by lower-cased column
    QHash<QString, QVariant> m_loaded;
};
