#include "app/gridprint.h"

void PrintGrid(const GridSnapshot &, const QString &, int, const QString &, const QString &)
{
}
