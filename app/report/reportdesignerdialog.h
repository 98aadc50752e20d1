#pragma once

#include "app/report/reportdata.h"
#include "app/report/reportdocument.h"
#include "app/report/reporttemplate.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPrinter;
class QPrintPreviewWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ReportItemEditor;

// The report designer: the bands of a template with their objects, the
// properties of the chosen band or object, the page settings, and the result
// with the window's data beside them; "保存" writes the template back.
class ReportDesignerDialog : public QDialog {
    Q_OBJECT
public:
    ReportDesignerDialog(const QString &templateName, const ReportData &data, QWidget *parent = nullptr);
    ~ReportDesignerDialog() override;

    const ReportTemplate &reportTemplate() const { return m_template; }
    const ReportDocument &result() const { return m_document; }
    QString filePath() const { return m_path; }
    bool isModified() const { return m_modified; }

public slots:
    bool save();
    // Adds the band of that type (or selects it, when the template has one).
    void addBand(ReportBand::Type type);
    // Adds an object to the chosen band.
    void addText();
    void addLine();
    void removeSelected();
    void previewReport();
    void reject() override;

private:
    void buildPageBox();
    void rebuildTree();
    void selectionChanged();
    void itemEdited();
    void bandHeightEdited(double height);
    void pageEdited();
    void changed();
    void updateResult();
    void addItem(const ReportItem &item);
    // Band and object index of the selection (object -1 for a band).
    bool selected(int *band, int *item) const;
    void select(int band, int item);
    QStringList expressions() const;

    QString m_name;
    QString m_path;
    ReportTemplate m_template;
    ReportData m_data;
    ReportDocument m_document;
    bool m_modified = false;
    bool m_updating = false;

    QTreeWidget *m_tree;
    QComboBox *m_bandType;
    QGroupBox *m_bandBox;
    QDoubleSpinBox *m_bandHeight;
    ReportItemEditor *m_itemEditor;
    QComboBox *m_paper;
    QComboBox *m_orientation;
    QDoubleSpinBox *m_margins[4];
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
};
