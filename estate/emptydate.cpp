#include "estate/emptydate.h"

namespace estate {

QDate EmptyDate::fromStored(const QVariant &stored)
{
    if (stored.isNull())
        return QDate();
    if (stored.typeId() == QMetaType::QDate)
        return stored.toDate();
    if (stored.typeId() == QMetaType::QDateTime)
        return stored.toDateTime().date();
    // SQLite keeps dates as text; a time part, if any, is ignored.
    return QDate::fromString(stored.toString().left(10), Qt::ISODate);
}

bool EmptyDate::isNone(const QDate &date)
{
    return !date.isValid() || date < QDate(1901, 8, 14);
}

bool EmptyDate::isOpenEnd(const QDate &date)
{
    return !date.isValid() || date > QDate(3000, 8, 13);
}

}  // namespace estate
