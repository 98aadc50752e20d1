#pragma once

#include "app/report/reportdocument.h"

#include <QDialog>
#include <QKeySequence>

#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QSpinBox;

// The preview of a prepared report or a printed grid: print, page setup,
// zoom, page navigation and export to PDF. The pages come from a producer
// that lays them out for a page layout, so that a new page setup lays the
// report out again.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    using Producer = std::function<ReportDocument(const QPageLayout &layout)>;

    ReportPreviewDialog(Producer producer, const QPageLayout &layout, const QString &title,
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
    // Lays the pages out again for the current page layout.
    void relayout();
    void setPageLayout(const QPageLayout &layout);

private:
    void paintRequested(QPrinter *printer);
    void updatePageLabel();
    void addButton(const QString &name, const QString &text, void (ReportPreviewDialog::*slot)(),
                   const QKeySequence &shortcut = QKeySequence());

    Producer m_producer;
    QPageLayout m_layout;
    QString m_title;
    ReportDocument m_document;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_view;
    QSpinBox *m_pageBox;
    QLabel *m_pageLabel;
    class QToolBar *m_toolbar;
};
