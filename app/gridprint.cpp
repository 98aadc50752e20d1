#include "app/gridprint.h"

#include "app/gridprinter.h"
#include "app/report/reportpreviewdialog.h"

#include <QApplication>
#include <QDate>

namespace {

GridPreviewHandler g_previewHandler;

void showPreview(const GridPrinter &printer)
{
    const QString title = printer.title.value(1);
    ReportPreviewDialog dialog([&printer](const QPageLayout &layout) { return printer.layout(layout); },
                               printer.defaultPageLayout(), title, QApplication::activeWindow());
    dialog.exec();
}

}  // namespace

void PrintGrid(const GridSnapshot &grid, const QString &title, int option, const QString &footer,
               const QString &header)
{
    GridPrinter &printer = GridPrinter::shared();
    printer.bind(grid);
    if (option == 0) {
        printer.fitToPageWidth = true;
        printer.colour = true;
        printer.rowHeights = GridPrinter::RowHeights::StretchToText;
    } else if (option == 1) {
        printer.fitToPageWidth = true;
        printer.colour = true;
        printer.rowHeights = GridPrinter::RowHeights::FitColumnWidths;
    }
    printer.title = QStringList{QString(), title, QString()};
    printer.pageHeaderLeft = header.trimmed().isEmpty() ? QString() : header;
    if (footer.trimmed().isEmpty())
        printer.pageFooterRight.clear();
    else if (footer == QLatin1String("date"))
        printer.pageFooterRight = QStringLiteral("打印日期：") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    else
        printer.pageFooterRight = footer;

    if (g_previewHandler)
        g_previewHandler(printer);
    else
        showPreview(printer);
}

GridPreviewHandler setGridPreviewHandler(GridPreviewHandler handler)
{
    GridPreviewHandler previous = g_previewHandler;
    g_previewHandler = std::move(handler);
    return previous;
}
