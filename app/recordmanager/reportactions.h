#pragma once

#include "app/gridsnapshot.h"
#include "app/report/reportdata.h"

#include <QString>

#include <functional>

class QWidget;

// The report and export functions the record-manager windows call for
// "打印", "设置" and "导出". They default to the report engine and the grid
// writers; tests put recorders in their place so that no preview, designer or
// spreadsheet opens.
class ReportActions {
public:
    using Report = std::function<void(const QString &templateName, const ReportData &data, QWidget *parent)>;
    using Export = std::function<bool(const GridSnapshot &grid, const QString &title, bool visible)>;
    using PrintGridFn = std::function<void(const GridSnapshot &grid, const QString &title, int option,
                                           const QString &footer, const QString &header)>;

    Report preview;
    Report design;
    Export exportGrid;
    PrintGridFn printGrid;

    static ReportActions &current();
    // Puts actions in place and returns the previous ones; default() brings back the real ones.
    static ReportActions replace(const ReportActions &actions);
    static ReportActions defaults();
};
