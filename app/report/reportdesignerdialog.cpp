#include "app/report/reportdesignerdialog.h"

#include "app/messages.h"
#include "app/report/reportdataset.h"
#include "app/report/reportengine.h"
#include "app/report/reportitemeditor.h"
#include "app/report/reportpreviewdialog.h"
#include "app/report/reports.h"
#include "app/report/reporttemplatefile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QString itemLabel(const ReportItem &item)
{
    QString kind = QStringLiteral("文本");
    if (item.kind == ReportItem::Kind::Line)
        kind = QStringLiteral("线条");
    else if (item.kind == ReportItem::Kind::Rect)
        kind = QStringLiteral("矩形");
    QString label = item.name.isEmpty() ? kind : item.name;
    if (item.kind == ReportItem::Kind::Text && !item.text.isEmpty())
        label += QStringLiteral("：") + item.text.left(30).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return label;
}

}  // namespace

ReportDesignerDialog::ReportDesignerDialog(const QString &templateName, const ReportData &data,
                                           QWidget *parent)
    : QDialog(parent), m_name(ReportTemplateFile::baseName(templateName)), m_data(data),
      m_printer(new QPrinter(QPrinter::ScreenResolution))
{
    setObjectName(QStringLiteral("ReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计 - %1").arg(m_name));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(1200, 760);

    m_path = ReportTemplateFile::pathForSave(reportTemplateDir(), m_name);
    m_template = ReportTemplate::empty();
    const QString existing = ReportTemplateFile::find(reportTemplateDir(), m_name);
    if (!existing.isEmpty() && !ReportTemplateFile::load(existing, &m_template))
        m_template = ReportTemplate::empty();

    // Left: bands and objects, page settings.
    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    m_tree = new QTreeWidget(left);
    m_tree->setObjectName(QStringLiteral("treeLayout"));
    m_tree->setHeaderLabel(QStringLiteral("栏与对象"));
    leftLayout->addWidget(m_tree, 1);
    m_bandType = new QComboBox(left);
    m_bandType->setObjectName(QStringLiteral("cbbBandType"));
    for (ReportBand::Type type : ReportTemplate::allTypes())
        m_bandType->addItem(ReportTemplate::typeCaption(type), int(type));
    auto *addBandButton = button(left, QStringLiteral("btnAddBand"), QStringLiteral("添加栏"));
    auto *bandRow = new QHBoxLayout;
    bandRow->addWidget(m_bandType, 1);
    bandRow->addWidget(addBandButton);
    leftLayout->addLayout(bandRow);
    auto *objectRow = new QHBoxLayout;
    auto *addTextButton = button(left, QStringLiteral("btnAddText"), QStringLiteral("添加文本"));
    auto *addLineButton = button(left, QStringLiteral("btnAddLine"), QStringLiteral("添加线条"));
    auto *deleteButton = button(left, QStringLiteral("btnDelete"), QStringLiteral("删除"));
    objectRow->addWidget(addTextButton);
    objectRow->addWidget(addLineButton);
    objectRow->addWidget(deleteButton);
    leftLayout->addLayout(objectRow);
    buildPageBox();
    leftLayout->addWidget(findChild<QGroupBox *>(QStringLiteral("grpPage")));

    // Middle: properties of the chosen band or object.
    auto *middle = new QWidget(this);
    auto *middleLayout = new QVBoxLayout(middle);
    m_bandBox = new QGroupBox(QStringLiteral("栏"), middle);
    m_bandBox->setObjectName(QStringLiteral("grpBand"));
    m_bandHeight = new QDoubleSpinBox(m_bandBox);
    m_bandHeight->setObjectName(QStringLiteral("spinBandHeight"));
    m_bandHeight->setRange(0, 1000);
    m_bandHeight->setDecimals(1);
    auto *bandForm = new QFormLayout(m_bandBox);
    bandForm->addRow(QStringLiteral("高度(毫米)："), m_bandHeight);
    middleLayout->addWidget(m_bandBox);
    m_itemEditor = new ReportItemEditor(middle);
    m_itemEditor->setExpressions(expressions());
    auto *scroll = new QScrollArea(middle);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_itemEditor);
    middleLayout->addWidget(scroll, 1);

    // Right: the result with the window's data.
    m_printer->setFullPage(true);
    m_preview = new QPrintPreviewWidget(m_printer, this);
    m_preview->setObjectName(QStringLiteral("previewWidget"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { m_document.print(printer); });

    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(middle);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(2, 1);
    splitter->setSizes({280, 380, 540});

    auto *buttons = new QHBoxLayout;
    auto *previewButton = button(this, QStringLiteral("btnPreview"), QStringLiteral("预览"));
    auto *saveButton = button(this, QStringLiteral("btnSave"), QStringLiteral("保存"));
    auto *closeButton = button(this, QStringLiteral("btnClose"), QStringLiteral("关闭"));
    buttons->addStretch(1);
    buttons->addWidget(previewButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(addBandButton, &QPushButton::clicked, this,
            [this] { addBand(ReportBand::Type(m_bandType->currentData().toInt())); });
    connect(addTextButton, &QPushButton::clicked, this, &ReportDesignerDialog::addText);
    connect(addLineButton, &QPushButton::clicked, this, &ReportDesignerDialog::addLine);
    connect(deleteButton, &QPushButton::clicked, this, &ReportDesignerDialog::removeSelected);
    connect(previewButton, &QPushButton::clicked, this, &ReportDesignerDialog::previewReport);
    connect(saveButton, &QPushButton::clicked, this, &ReportDesignerDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &ReportDesignerDialog::reject);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &ReportDesignerDialog::selectionChanged);
    connect(m_itemEditor, &ReportItemEditor::itemChanged, this, &ReportDesignerDialog::itemEdited);
    connect(m_bandHeight, &QDoubleSpinBox::valueChanged, this, &ReportDesignerDialog::bandHeightEdited);

    rebuildTree();
    select(m_template.bands.isEmpty() ? -1 : 0, -1);
    updateResult();
}

ReportDesignerDialog::~ReportDesignerDialog()
{
    delete m_preview;
    delete m_printer;
}

void ReportDesignerDialog::buildPageBox()
{
    auto *box = new QGroupBox(QStringLiteral("页面"), this);
    box->setObjectName(QStringLiteral("grpPage"));
    m_paper = new QComboBox(box);
    m_paper->setObjectName(QStringLiteral("cbbPaper"));
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A5, QPageSize::B5,
                                     QPageSize::Letter, QPageSize::Legal})
        m_paper->addItem(QPageSize::name(id), int(id));
    m_paper->setCurrentIndex(qMax(0, m_paper->findData(int(m_template.pageSize))));
    m_orientation = new QComboBox(box);
    m_orientation->setObjectName(QStringLiteral("cbbOrientation"));
    m_orientation->addItem(QStringLiteral("纵向"), int(QPageLayout::Portrait));
    m_orientation->addItem(QStringLiteral("横向"), int(QPageLayout::Landscape));
    m_orientation->setCurrentIndex(m_template.orientation == QPageLayout::Landscape ? 1 : 0);
    const QString names[4] = {QStringLiteral("spinMarginLeft"), QStringLiteral("spinMarginTop"),
                              QStringLiteral("spinMarginRight"), QStringLiteral("spinMarginBottom")};
    const double values[4] = {m_template.margins.left(), m_template.margins.top(),
                              m_template.margins.right(), m_template.margins.bottom()};
    auto *marginRow = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_margins[i] = new QDoubleSpinBox(box);
        m_margins[i]->setObjectName(names[i]);
        m_margins[i]->setRange(0, 100);
        m_margins[i]->setDecimals(1);
        m_margins[i]->setValue(values[i]);
        marginRow->addWidget(m_margins[i]);
        connect(m_margins[i], &QDoubleSpinBox::valueChanged, this, &ReportDesignerDialog::pageEdited);
    }
    auto *form = new QFormLayout(box);
    form->addRow(QStringLiteral("纸张："), m_paper);
    form->addRow(QStringLiteral("方向："), m_orientation);
    form->addRow(QStringLiteral("边距(左上右下)："), marginRow);
    connect(m_paper, &QComboBox::currentIndexChanged, this, &ReportDesignerDialog::pageEdited);
    connect(m_orientation, &QComboBox::currentIndexChanged, this, &ReportDesignerDialog::pageEdited);
}

QStringList ReportDesignerDialog::expressions() const
{
    QStringList out;
    const ReportDataSet master(m_data.master);
    for (const QString &field : master.fieldNames())
        out << QStringLiteral("[frxDBDataSet1.%1]").arg(field);
    const ReportDataSet detail(m_data.detail);
    for (const QString &field : detail.fieldNames())
        out << QStringLiteral("[frxDBDataSet2.%1]").arg(field);
    for (auto it = m_data.variables.cbegin(); it != m_data.variables.cend(); ++it)
        out << QStringLiteral("[%1]").arg(it.key());
    out << QStringLiteral("[Page]") << QStringLiteral("[TotalPages]") << QStringLiteral("[Date]")
        << QStringLiteral("[Time]") << QStringLiteral("[Line]");
    return out;
}

void ReportDesignerDialog::rebuildTree()
{
    m_updating = true;
    m_tree->clear();
    for (const ReportBand &band : m_template.bands) {
        auto *top = new QTreeWidgetItem(m_tree, {ReportTemplate::typeCaption(band.type)});
        for (const ReportItem &item : band.items)
            new QTreeWidgetItem(top, {itemLabel(item)});
        top->setExpanded(true);
    }
    m_updating = false;
}

bool ReportDesignerDialog::selected(int *band, int *item) const
{
    const QTreeWidgetItem *current = m_tree->currentItem();
    if (!current)
        return false;
    if (current->parent()) {
        *band = m_tree->indexOfTopLevelItem(current->parent());
        *item = current->parent()->indexOfChild(const_cast<QTreeWidgetItem *>(current));
    } else {
        *band = m_tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(current));
        *item = -1;
    }
    return *band >= 0;
}

void ReportDesignerDialog::select(int band, int item)
{
    QTreeWidgetItem *target = band >= 0 ? m_tree->topLevelItem(band) : nullptr;
    if (target && item >= 0)
        target = target->child(item);
    m_tree->setCurrentItem(target);
    selectionChanged();
}

void ReportDesignerDialog::selectionChanged()
{
    if (m_updating)
        return;
    int band = -1;
    int item = -1;
    const bool any = selected(&band, &item);
    m_bandBox->setEnabled(any);
    m_itemEditor->setEnabled(any && item >= 0);
    m_updating = true;
    if (any) {
        m_bandHeight->setValue(m_template.bands.at(band).height);
        m_bandBox->setTitle(ReportTemplate::typeCaption(m_template.bands.at(band).type));
        if (item >= 0)
            m_itemEditor->setItem(m_template.bands.at(band).items.at(item));
    }
    m_updating = false;
}

void ReportDesignerDialog::itemEdited()
{
    int band = -1;
    int item = -1;
    if (m_updating || !selected(&band, &item) || item < 0)
        return;
    m_template.bands[band].items[item] = m_itemEditor->item();
    m_tree->currentItem()->setText(0, itemLabel(m_itemEditor->item()));
    changed();
}

void ReportDesignerDialog::bandHeightEdited(double height)
{
    int band = -1;
    int item = -1;
    if (m_updating || !selected(&band, &item))
        return;
    m_template.bands[band].height = height;
    changed();
}

void ReportDesignerDialog::pageEdited()
{
    m_template.pageSize = QPageSize::PageSizeId(m_paper->currentData().toInt());
    m_template.orientation = QPageLayout::Orientation(m_orientation->currentData().toInt());
    m_template.margins = QMarginsF(m_margins[0]->value(), m_margins[1]->value(),
                                   m_margins[2]->value(), m_margins[3]->value());
    changed();
}

void ReportDesignerDialog::changed()
{
    m_modified = true;
    updateResult();
}

void ReportDesignerDialog::updateResult()
{
    m_document = ReportEngine::run(m_template, m_data);
    m_printer->setPageLayout(m_document.pageLayout);
    m_preview->updatePreview();
}

void ReportDesignerDialog::addBand(ReportBand::Type type)
{
    int index = 0;
    while (index < m_template.bands.size() && m_template.bands.at(index).type < type)
        ++index;
    if (index >= m_template.bands.size() || m_template.bands.at(index).type != type) {
        ReportBand band;
        band.type = type;
        band.height = (type == ReportBand::Type::ReportTitle) ? 16 : 8;
        m_template.bands.insert(index, band);
        rebuildTree();
        changed();
    }
    select(index, -1);
}

void ReportDesignerDialog::addItem(const ReportItem &item)
{
    int band = -1;
    int index = -1;
    if (!selected(&band, &index)) {
        if (m_template.bands.isEmpty())
            addBand(ReportBand::Type::MasterData);
        band = 0;
    }
    m_template.bands[band].items.append(item);
    rebuildTree();
    changed();
    select(band, int(m_template.bands.at(band).items.size()) - 1);
}

void ReportDesignerDialog::addText()
{
    ReportItem item;
    item.text = QStringLiteral("文本");
    addItem(item);
}

void ReportDesignerDialog::addLine()
{
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.width = m_template.contentWidth();
    item.height = 0;
    addItem(item);
}

void ReportDesignerDialog::removeSelected()
{
    int band = -1;
    int item = -1;
    if (!selected(&band, &item))
        return;
    if (item >= 0)
        m_template.bands[band].items.removeAt(item);
    else
        m_template.bands.removeAt(band);
    rebuildTree();
    changed();
    select(qMin(band, int(m_template.bands.size()) - 1), -1);
}

bool ReportDesignerDialog::save()
{
    QString error;
    if (!ReportTemplateFile::save(m_path, m_template, &error)) {
        ShowMess(QStringLiteral("报表模板保存失败：%1").arg(error), MessError);
        return false;
    }
    m_modified = false;
    return true;
}

void ReportDesignerDialog::previewReport()
{
    const ReportTemplate report = m_template;
    const ReportData data = m_data;
    ReportPreviewDialog dialog(
        [report, data](const QPageLayout &layout) {
            return ReportEngine::run(report, data, layout);
        },
        report.pageLayout(), m_name, this);
    dialog.exec();
}

void ReportDesignerDialog::reject()
{
    if (m_modified && ShowMess(QStringLiteral("报表模板已修改，是否保存？"), MessQuestion) == AnswerYes
        && !save())
        return;
    QDialog::reject();
}
