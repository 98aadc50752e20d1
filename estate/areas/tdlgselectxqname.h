#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// "小区选择": lists every residential area with a tick box and returns the
// ticked names as the quoted list 'A','B' that operators' area lists store.
// Quotes inside a name are doubled, so a name such as O'Brien stays one
// literal when the list is read again.
class TDLGselectXQname : public QDialog {
    Q_OBJECT
public:
    explicit TDLGselectXQname(QWidget *parent = nullptr);

    // Shows the dialog with the names of preselection ticked. Returns the
    // ticked names ('A','B'), an empty text when none is ticked, and
    // preselection unchanged when the user cancels or there are no areas.
    QString ChooseAreas(const QString &preselection);
    // Ticks the listed areas named in a stored list ('A','B', also typed by
    // hand with "，" between the names). Names match without regard to letter case.
    void MarkChosenAreas(const QString &preselection);

    QStringList tickedNames() const;
    // The names a preselection text holds, even when it is not a clean list.
    static QStringList namesOf(const QString &preselection);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutColumns();

    QListWidget *m_list;
};
