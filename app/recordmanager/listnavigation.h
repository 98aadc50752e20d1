#pragma once

// The cursor of a list's record set with its begin and end markers, and the
// enabled state of the four navigation buttons of the toolbar.
//
// The markers follow the record set: opening sets the begin marker (and the
// end marker when there are no rows); "first" sets the begin marker, "last"
// the end marker; a step sets the marker of its direction only when there is
// no row left to step to, and any successful move clears both. The buttons
// start enabled and change only by the rules of the four buttons:
//   first: to the first row; first and prior off, next and last on.
//   prior: with the begin marker already set, first and prior off; otherwise
//          one row back. Next and last on.
//   next:  with the end marker already set, next and last off; otherwise one
//          row on. First and prior on.
//   last:  to the last row; first and prior on, next and last off.
class ListNavigation {
public:
    struct Buttons {
        bool first = true;
        bool prior = true;
        bool next = true;
        bool last = true;
        bool operator==(const Buttons &) const = default;
    };

    // The record set was (re)opened with count rows; the cursor is on row 0.
    void opened(int count);
    // The cursor was moved by other means (a click in the grid, a locate).
    void movedTo(int row);

    // Cursor moves without touching the buttons (the edit window's navigator).
    void moveFirst();
    void movePrior();
    void moveNext();
    void moveLast();

    // The toolbar buttons: move and set the buttons.
    void first();
    void prior();
    void next();
    void last();

    int row() const { return m_row; }
    int count() const { return m_count; }
    bool atBegin() const { return m_bof; }
    bool atEnd() const { return m_eof; }
    const Buttons &buttons() const { return m_buttons; }

private:
    int m_count = 0;
    int m_row = -1;
    bool m_bof = true;
    bool m_eof = true;
    Buttons m_buttons;
};
