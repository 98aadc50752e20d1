#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date input with a tick box in front: unticked means "no date", and the
// caller stores the empty-date marker instead. The date stays editable either
// way, as in the windows that use it.
class TickDateEdit : public QWidget {
    Q_OBJECT
public:
    explicit TickDateEdit(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &date);
    bool isTicked() const;
    void setTicked(bool ticked);
    // Shows a date and its tick in one go.
    void set(const QDate &date, bool ticked);

    QCheckBox *tickBox() const { return m_tick; }
    QDateEdit *dateEdit() const { return m_date; }

signals:
    void changed();

private:
    QCheckBox *m_tick;
    QDateEdit *m_date;
};
