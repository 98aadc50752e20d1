#include "app/report/reportpreviewdialog.h"

#include "app/messages.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(Producer producer, const QPageLayout &layout,
                                         const QString &title, QWidget *parent)
    : QDialog(parent), m_producer(std::move(producer)), m_layout(layout), m_title(title),
      m_printer(new QPrinter(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("打印预览 - %1").arg(title));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(900, 700);

    m_printer->setDocName(title);
    m_printer->setFullPage(true);
    m_printer->setPageLayout(m_layout);

    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("previewToolbar"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addButton(QStringLiteral("btnPrint"), QStringLiteral("打印"), &ReportPreviewDialog::printReport,
              QKeySequence::Print);
    addButton(QStringLiteral("btnPageSetup"), QStringLiteral("页面设置"), &ReportPreviewDialog::pageSetup);
    addButton(QStringLiteral("btnExportPdf"), QStringLiteral("导出PDF"), &ReportPreviewDialog::exportPdf);
    m_toolbar->addSeparator();
    addButton(QStringLiteral("btnZoomIn"), QStringLiteral("放大"), &ReportPreviewDialog::zoomIn, QKeySequence::ZoomIn);
    addButton(QStringLiteral("btnZoomOut"), QStringLiteral("缩小"), &ReportPreviewDialog::zoomOut, QKeySequence::ZoomOut);
    addButton(QStringLiteral("btnFitWidth"), QStringLiteral("适合宽度"), &ReportPreviewDialog::fitWidth);
    addButton(QStringLiteral("btnFitPage"), QStringLiteral("整页"), &ReportPreviewDialog::fitPage);
    m_toolbar->addSeparator();
    addButton(QStringLiteral("btnFirstPage"), QStringLiteral("首页"), &ReportPreviewDialog::firstPage, Qt::Key_Home);
    addButton(QStringLiteral("btnPriorPage"), QStringLiteral("上一页"), &ReportPreviewDialog::previousPage, Qt::Key_PageUp);
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("spinPage"));
    m_pageBox->setMinimum(1);
    m_toolbar->addWidget(m_pageBox);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPageCount"));
    m_toolbar->addWidget(m_pageLabel);
    addButton(QStringLiteral("btnNextPage"), QStringLiteral("下一页"), &ReportPreviewDialog::nextPage, Qt::Key_PageDown);
    addButton(QStringLiteral("btnLastPage"), QStringLiteral("末页"), &ReportPreviewDialog::lastPage, Qt::Key_End);
    m_toolbar->addSeparator();
    addButton(QStringLiteral("btnClose"), QStringLiteral("关闭"), &ReportPreviewDialog::reject);

    m_view = new QPrintPreviewWidget(m_printer, this);
    m_view->setObjectName(QStringLiteral("previewWidget"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &ReportPreviewDialog::paintRequested);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &ReportPreviewDialog::updatePageLabel);
    connect(m_pageBox, &QSpinBox::valueChanged, this, &ReportPreviewDialog::goToPage);

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(m_toolbar);
    box->addWidget(m_view, 1);

    relayout();
}

ReportPreviewDialog::~ReportPreviewDialog()
{
    delete m_view;
    delete m_printer;
}

void ReportPreviewDialog::addButton(const QString &name, const QString &text,
                                    void (ReportPreviewDialog::*slot)(), const QKeySequence &shortcut)
{
    QAction *action = m_toolbar->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(text, shortcut.toString(QKeySequence::NativeText)));
    }
    connect(action, &QAction::triggered, this, slot);
    if (QWidget *button = m_toolbar->widgetForAction(action))
        button->setObjectName(name);
}

void ReportPreviewDialog::relayout()
{
    m_document = m_producer(m_layout);
    m_printer->setPageLayout(m_document.pageLayout);
    m_view->updatePreview();
    updatePageLabel();
}

void ReportPreviewDialog::paintRequested(QPrinter *printer)
{
    m_document.print(printer);
}

void ReportPreviewDialog::updatePageLabel()
{
    const int count = qMax(1, m_document.pageCount());
    const QSignalBlocker blocker(m_pageBox);
    m_pageBox->setMaximum(count);
    m_pageBox->setValue(qBound(1, m_view->currentPage(), count));
    m_pageLabel->setText(QStringLiteral(" / %1 ").arg(count));
}

int ReportPreviewDialog::currentPage() const
{
    return m_view->currentPage();
}

void ReportPreviewDialog::goToPage(int page)
{
    m_view->setCurrentPage(page);
    updatePageLabel();
}

void ReportPreviewDialog::firstPage()
{
    goToPage(1);
}

void ReportPreviewDialog::previousPage()
{
    goToPage(qMax(1, currentPage() - 1));
}

void ReportPreviewDialog::nextPage()
{
    goToPage(qMin(m_document.pageCount(), currentPage() + 1));
}

void ReportPreviewDialog::lastPage()
{
    goToPage(m_document.pageCount());
}

void ReportPreviewDialog::zoomIn()
{
    m_view->zoomIn(1.25);
}

void ReportPreviewDialog::zoomOut()
{
    m_view->zoomOut(1.25);
}

void ReportPreviewDialog::fitWidth()
{
    m_view->fitToWidth();
}

void ReportPreviewDialog::fitPage()
{
    m_view->fitInView();
}

void ReportPreviewDialog::printReport()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_title);
    printer.setPageLayout(m_document.pageLayout);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() == QDialog::Accepted)
        m_document.print(&printer);
}

void ReportPreviewDialog::pageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_layout);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        setPageLayout(printer.pageLayout());
}

void ReportPreviewDialog::setPageLayout(const QPageLayout &layout)
{
    m_layout = layout;
    relayout();
}

void ReportPreviewDialog::exportPdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"),
                                                      folder + QLatin1Char('/') + m_title + QStringLiteral(".pdf"),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (!path.isEmpty())
        exportPdfTo(path);
}

bool ReportPreviewDialog::exportPdfTo(const QString &path)
{
    QString error;
    if (m_document.writePdf(path, m_title, &error))
        return true;
    ShowMess(QStringLiteral("PDF文件保存失败：%1").arg(error), MessError);
    return false;
}
