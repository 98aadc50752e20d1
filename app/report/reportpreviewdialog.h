#pragma once

#include "app/report/reportdata.h"
#include "app/report/reportdocument.h"
#include "app/report/reporttemplate.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;

// The preview of a prepared report: print, page setup, zoom, page navigation
// and export to PDF.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ReportPreviewDialog(const ReportTemplate &report, const ReportData &data, const QString &title,
                        QWidget *parent = nullptr);
    ~ReportPreviewDialog() override;

    const ReportDocument &document() const { return m_document; }
    int currentPage() const;
    int pageCount() const { return m_document.pageCount(); }

public slots:
    void goToPage(int page);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();
    void printReport();
    void pageSetup();
    // Asks for a file name, then writes the PDF.
    void exportPdf();
    bool exportPdfTo(const QString &path);
    // Lays the report out again for the page settings of the template.
    void relayout();

private:
    void paintRequested(QPrinter *printer);
    void updatePageLabel();
    void addButton(const QString &name, const QString &text, void (ReportPreviewDialog::*slot)());

    ReportTemplate m_template;
    ReportData m_data;
    QString m_title;
    ReportDocument m_document;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_view;
    QSpinBox *m_pageBox;
    QLabel *m_pageLabel;
    class QToolBar *m_toolbar;
};
