#pragma once

#include "app/recordmanager/windowdefs.h"

#include <QVariant>

class QWidget;

// Makes the input of a field by its editor kind and moves values in and out
// of it, so that edit forms are built from field descriptions alone.
class FieldWidgetFactory {
public:
    static QWidget *create(const FieldDef &field, QWidget *parent);

    // The value to save: trimmed text for one-line inputs, the text as typed
    // for memos, numbers, dates, 0/1 for tick boxes. Texts are never null, so
    // an empty input stores '' and not NULL.
    static QVariant value(const QWidget *input, const FieldDef &field);
    // Shows a stored value; NULL shows as empty, 0 or today.
    static void setValue(QWidget *input, const FieldDef &field, const QVariant &value);
    // The empty state of a new record: no text, 0, today, unticked.
    static void clear(QWidget *input, const FieldDef &field);
    static void setReadOnly(QWidget *input, const FieldDef &field, bool readOnly);

    // A text that binds as '' rather than NULL when empty.
    static QString nonNull(const QString &text);
};
