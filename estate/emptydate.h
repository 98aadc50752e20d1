#pragma once

#include <QDate>
#include <QVariant>

namespace estate {

// Optional dates are stored with a marker instead of NULL: 1900-08-14 for a
// date not set (move-in, start of a sale or rent, an untouched contract date)
// and 3000-08-14 for an open end. Anything earlier than 1901-08-14 reads as no
// date and anything later than 3000-08-13 as no end, so that old rows written
// with slightly different markers still read right.
class EmptyDate {
public:
    static QDate none() { return QDate(1900, 8, 14); }
    static QDate openEnd() { return QDate(3000, 8, 14); }

    // A stored date (a QDate or its yyyy-MM-dd text); invalid for NULL or junk.
    static QDate fromStored(const QVariant &stored);

    // True for a missing date and for any date before 1901-08-14.
    static bool isNone(const QDate &date);
    static bool isNone(const QVariant &stored) { return isNone(fromStored(stored)); }
    // True for a missing date and for any date after 3000-08-13.
    static bool isOpenEnd(const QDate &date);
    static bool isOpenEnd(const QVariant &stored) { return isOpenEnd(fromStored(stored)); }

    // What a date input with a tick box stores.
    static QDate startOrNone(const QDate &date, bool ticked) { return ticked ? date : none(); }
    static QDate endOrOpen(const QDate &date, bool ticked) { return ticked ? date : openEnd(); }
};

}  // namespace estate
