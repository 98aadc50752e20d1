#include "app/report/reportitemeditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QWidget *row(QWidget *parent, const QList<QWidget *> &widgets)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return holder;
}

}  // namespace

ReportItemEditor::ReportItemEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("itemEditor"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edtItemName"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cbbItemKind"));
    m_kind->addItem(QStringLiteral("文本"), int(ReportItem::Kind::Text));
    m_kind->addItem(QStringLiteral("线条"), int(ReportItem::Kind::Line));
    m_kind->addItem(QStringLiteral("矩形"), int(ReportItem::Kind::Rect));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtItemText"));
    m_text->setMaximumHeight(80);
    m_expressions = new QComboBox(this);
    m_expressions->setObjectName(QStringLiteral("cbbExpressions"));
    m_expressions->setMinimumContentsLength(18);
    auto *insert = new QPushButton(QStringLiteral("插入"), this);
    insert->setObjectName(QStringLiteral("btnInsertExpression"));

    m_x = millimetres(QStringLiteral("spinItemX"), 2000);
    m_y = millimetres(QStringLiteral("spinItemY"), 2000);
    m_width = millimetres(QStringLiteral("spinItemWidth"), 2000);
    m_height = millimetres(QStringLiteral("spinItemHeight"), 2000);
    m_font = new QFontComboBox(this);
    m_font->setObjectName(QStringLiteral("cbbFont"));
    m_fontSize = new QDoubleSpinBox(this);
    m_fontSize->setObjectName(QStringLiteral("spinFontSize"));
    m_fontSize->setRange(4, 96);
    m_fontSize->setDecimals(1);
    m_bold = checkBox(this, QStringLiteral("chkBold"), QStringLiteral("粗体"));
    m_italic = checkBox(this, QStringLiteral("chkItalic"), QStringLiteral("斜体"));
    m_underline = checkBox(this, QStringLiteral("chkUnderline"), QStringLiteral("下划线"));
    m_hAlign = new QComboBox(this);
    m_hAlign->setObjectName(QStringLiteral("cbbHAlign"));
    m_hAlign->addItem(QStringLiteral("左对齐"), int(Qt::AlignLeft));
    m_hAlign->addItem(QStringLiteral("居中"), int(Qt::AlignHCenter));
    m_hAlign->addItem(QStringLiteral("右对齐"), int(Qt::AlignRight));
    m_vAlign = new QComboBox(this);
    m_vAlign->setObjectName(QStringLiteral("cbbVAlign"));
    m_vAlign->addItem(QStringLiteral("顶端"), int(Qt::AlignTop));
    m_vAlign->addItem(QStringLiteral("中间"), int(Qt::AlignVCenter));
    m_vAlign->addItem(QStringLiteral("底端"), int(Qt::AlignBottom));
    m_frameLeft = checkBox(this, QStringLiteral("chkFrameLeft"), QStringLiteral("左"));
    m_frameTop = checkBox(this, QStringLiteral("chkFrameTop"), QStringLiteral("上"));
    m_frameRight = checkBox(this, QStringLiteral("chkFrameRight"), QStringLiteral("右"));
    m_frameBottom = checkBox(this, QStringLiteral("chkFrameBottom"), QStringLiteral("下"));
    m_frameWidth = millimetres(QStringLiteral("spinFrameWidth"), 5);
    m_frameWidth->setSingleStep(0.1);
    m_wordWrap = checkBox(this, QStringLiteral("chkWordWrap"), QStringLiteral("自动换行"));
    m_stretch = checkBox(this, QStringLiteral("chkStretch"), QStringLiteral("随内容伸展"));
    m_format = new QLineEdit(this);
    m_format->setObjectName(QStringLiteral("edtFormat"));
    m_format->setPlaceholderText(QStringLiteral("如 ￥,0.00"));
    m_background = new QLineEdit(this);
    m_background->setObjectName(QStringLiteral("edtBackground"));
    m_background->setPlaceholderText(QStringLiteral("如 #e8e8e8，空为透明"));

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("名称："), m_name);
    form->addRow(QStringLiteral("类型："), m_kind);
    form->addRow(QStringLiteral("内容："), m_text);
    form->addRow(QString(), row(this, {m_expressions, insert}));
    form->addRow(QStringLiteral("位置(毫米)："), row(this, {m_x, m_y}));
    form->addRow(QStringLiteral("大小(毫米)："), row(this, {m_width, m_height}));
    form->addRow(QStringLiteral("字体："), m_font);
    form->addRow(QStringLiteral("字号："), row(this, {m_fontSize, m_bold, m_italic, m_underline}));
    form->addRow(QStringLiteral("对齐："), row(this, {m_hAlign, m_vAlign}));
    form->addRow(QStringLiteral("边框："), row(this, {m_frameLeft, m_frameTop, m_frameRight,
                                                     m_frameBottom, m_frameWidth}));
    form->addRow(QString(), row(this, {m_wordWrap, m_stretch}));
    form->addRow(QStringLiteral("数字格式："), m_format);
    form->addRow(QStringLiteral("背景色："), m_background);

    connect(insert, &QPushButton::clicked, this, &ReportItemEditor::insertExpression);
    const auto changed = [this] { readBack(); };
    connect(m_name, &QLineEdit::textEdited, this, changed);
    connect(m_kind, &QComboBox::currentIndexChanged, this, changed);
    connect(m_text, &QPlainTextEdit::textChanged, this, changed);
    for (QDoubleSpinBox *spin : {m_x, m_y, m_width, m_height, m_fontSize, m_frameWidth})
        connect(spin, &QDoubleSpinBox::valueChanged, this, changed);
    // Only a choice in the box changes the family: a template may name a font
    // this machine lacks, and the box would show a substitute.
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        if (m_loading)
            return;
        m_item.fontFamily = font.family();
        readBack();
    });
    for (QCheckBox *box : {m_bold, m_italic, m_underline, m_frameLeft, m_frameTop, m_frameRight,
                           m_frameBottom, m_wordWrap, m_stretch})
        connect(box, &QCheckBox::toggled, this, changed);
    connect(m_hAlign, &QComboBox::currentIndexChanged, this, changed);
    connect(m_vAlign, &QComboBox::currentIndexChanged, this, changed);
    connect(m_format, &QLineEdit::textEdited, this, changed);
    connect(m_background, &QLineEdit::textEdited, this, changed);
}

QDoubleSpinBox *ReportItemEditor::millimetres(const QString &name, double max)
{
    auto *spin = new QDoubleSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(0, max);
    spin->setDecimals(1);
    spin->setSingleStep(0.5);
    return spin;
}

void ReportItemEditor::setExpressions(const QStringList &expressions)
{
    m_expressions->clear();
    m_expressions->addItems(expressions);
}

void ReportItemEditor::insertExpression()
{
    if (m_expressions->currentText().isEmpty())
        return;
    m_text->insertPlainText(m_expressions->currentText());
}

void ReportItemEditor::setItem(const ReportItem &item)
{
    m_loading = true;
    m_item = item;
    m_name->setText(item.name);
    m_kind->setCurrentIndex(m_kind->findData(int(item.kind)));
    m_text->setPlainText(item.text);
    m_x->setValue(item.x);
    m_y->setValue(item.y);
    m_width->setValue(item.width);
    m_height->setValue(item.height);
    m_font->setCurrentFont(QFont(item.fontFamily));
    m_fontSize->setValue(item.fontSize);
    m_bold->setChecked(item.bold);
    m_italic->setChecked(item.italic);
    m_underline->setChecked(item.underline);
    m_hAlign->setCurrentIndex(m_hAlign->findData(int(item.alignment & Qt::AlignHorizontal_Mask)));
    m_vAlign->setCurrentIndex(m_vAlign->findData(int(item.alignment & Qt::AlignVertical_Mask)));
    m_frameLeft->setChecked(item.frame & ReportItem::FrameLeft);
    m_frameTop->setChecked(item.frame & ReportItem::FrameTop);
    m_frameRight->setChecked(item.frame & ReportItem::FrameRight);
    m_frameBottom->setChecked(item.frame & ReportItem::FrameBottom);
    m_frameWidth->setValue(item.frameWidth);
    m_wordWrap->setChecked(item.wordWrap);
    m_stretch->setChecked(item.stretch);
    m_format->setText(item.displayFormat);
    m_background->setText(item.background.isValid() ? item.background.name() : QString());
    m_loading = false;
}

void ReportItemEditor::readBack()
{
    if (m_loading)
        return;
    m_item.name = m_name->text().trimmed();
    m_item.kind = ReportItem::Kind(m_kind->currentData().toInt());
    m_item.text = m_text->toPlainText();
    m_item.x = m_x->value();
    m_item.y = m_y->value();
    m_item.width = m_width->value();
    m_item.height = m_height->value();
    m_item.fontSize = m_fontSize->value();
    m_item.bold = m_bold->isChecked();
    m_item.italic = m_italic->isChecked();
    m_item.underline = m_underline->isChecked();
    m_item.alignment = Qt::Alignment(m_hAlign->currentData().toInt() | m_vAlign->currentData().toInt());
    m_item.frame = (m_frameLeft->isChecked() ? ReportItem::FrameLeft : 0)
                   | (m_frameTop->isChecked() ? ReportItem::FrameTop : 0)
                   | (m_frameRight->isChecked() ? ReportItem::FrameRight : 0)
                   | (m_frameBottom->isChecked() ? ReportItem::FrameBottom : 0);
    m_item.frameWidth = m_frameWidth->value();
    m_item.wordWrap = m_wordWrap->isChecked();
    m_item.stretch = m_stretch->isChecked();
    m_item.displayFormat = m_format->text();
    const QColor background(m_background->text().trimmed());
    m_item.background = m_background->text().trimmed().isEmpty() ? QColor() : background;
    emit itemChanged();
}
