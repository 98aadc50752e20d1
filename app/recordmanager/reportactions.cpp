#include "app/recordmanager/reportactions.h"

#include "app/gridexport.h"
#include "app/gridprint.h"
#include "app/report/reports.h"

ReportActions ReportActions::defaults()
{
    ReportActions a;
    a.preview = [](const QString &name, const ReportData &data, QWidget *parent) { PreviewReport(name, data, parent); };
    a.design = [](const QString &name, const ReportData &data, QWidget *parent) { DesignReport(name, data, parent); };
    a.exportGrid = [](const GridSnapshot &grid, const QString &title, bool visible) {
        return ExportToExcel(grid, title, visible);
    };
    a.printGrid = [](const GridSnapshot &grid, const QString &title, int option, const QString &footer,
                     const QString &header) { PrintGrid(grid, title, option, footer, header); };
    return a;
}

ReportActions &ReportActions::current()
{
    static ReportActions actions = defaults();
    return actions;
}

ReportActions ReportActions::replace(const ReportActions &actions)
{
    ReportActions previous = current();
    current() = actions;
    return previous;
}
