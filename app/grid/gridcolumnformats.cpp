#include "app/grid/gridcolumnformats.h"

#include "app/datamodule.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"

bool GridColumnFormats::formatFor(const QString &fieldName, int formatClass, const Formats &formats, QString *format)
{
    const QString n = fieldName.toLower();
    bool matched = false;
    auto rule = [&](const char *word, const QString &value) {
        if (n.contains(QLatin1String(word))) {
            *format = value;
            matched = true;
        }
    };
    switch (formatClass) {
    case 1:
        rule("_price", formats.price);
        rule("totalprice", formats.total);
        rule("amount", formats.amount);
        break;
    case 2:
        rule("area", formats.amount);
        rule("price", formats.total);
        break;
    case 3:
        rule("price", formats.total);
        break;
    case 4:
        rule("sz", formats.total);
        rule("totalprice", formats.total);
        break;
    case 5:
        rule("price", formats.price);
        break;
    default:
        break;
    }
    return matched;
}

GridColumnFormats::Formats GridColumnFormats::current()
{
    const TdmData &dm = dmData();
    return Formats{dm.AmountFormat(), dm.PriceFormat(), dm.TotalFormat()};
}

void ApplyColumnFormats(GridView *grid, int formatClass)
{
    const GridColumnFormats::Formats formats = GridColumnFormats::current();
    const GridColumns &columns = grid->gridModel()->columns();
    for (int i = 0; i < columns.size(); ++i) {
        QString format;
        if (GridColumnFormats::formatFor(columns.at(i).fieldName, formatClass, formats, &format))
            grid->setColumnDisplayFormat(i, format);
    }
}
