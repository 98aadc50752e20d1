#pragma once

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// Just enough of an .xlsx reader for these tests: unpacks the parts with
// "unzip -p" and reads the cells of the first sheet.
class XlsxSheet {
public:
    struct Cell {
        bool isString = false;
        QString text;       // string cells
        double number = 0;  // number cells
        QString numFmt;     // format code of the cell's style
    };

    bool load(const QString &path, QString *error)
    {
        QByteArray sheet;
        QByteArray strings;
        QByteArray styles;
        QByteArray workbook;
        if (!part(path, QStringLiteral("xl/worksheets/sheet1.xml"), &sheet, error)
            || !part(path, QStringLiteral("xl/styles.xml"), &styles, error)
            || !part(path, QStringLiteral("xl/workbook.xml"), &workbook, error))
            return false;
        part(path, QStringLiteral("xl/sharedStrings.xml"), &strings, nullptr);
        readStrings(strings);
        readStyles(styles);
        readWorkbook(workbook);
        readSheet(sheet);
        return true;
    }

    bool has(const QString &ref) const { return m_cells.contains(ref); }
    Cell cell(const QString &ref) const { return m_cells.value(ref); }
    QString text(const QString &ref) const { return m_cells.value(ref).text; }
    int maxRow() const { return m_maxRow; }
    QString sheetName() const { return m_sheetName; }

private:
    static bool part(const QString &path, const QString &name, QByteArray *out, QString *error)
    {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
        if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) {
            if (error)
                *error = QStringLiteral("unzip %1: %2").arg(name, QString::fromUtf8(unzip.readAllStandardError()));
            return false;
        }
        *out = unzip.readAllStandardOutput();
        return true;
    }

    void readStrings(const QByteArray &xml)
    {
        QXmlStreamReader r(xml);
        QString current;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("si"))
                current.clear();
            else if (r.isStartElement() && r.name() == QLatin1String("t"))
                current += r.readElementText();
            else if (r.isEndElement() && r.name() == QLatin1String("si"))
                m_strings << current;
        }
    }

    void readStyles(const QByteArray &xml)
    {
        QHash<int, QString> codes{{0, QStringLiteral("General")}, {49, QStringLiteral("@")}};
        QXmlStreamReader r(xml);
        bool inCellXfs = false;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("numFmt"))
                codes.insert(r.attributes().value(QLatin1String("numFmtId")).toInt(),
                             r.attributes().value(QLatin1String("formatCode")).toString());
            else if (r.isStartElement() && r.name() == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (r.isEndElement() && r.name() == QLatin1String("cellXfs"))
                inCellXfs = false;
            else if (inCellXfs && r.isStartElement() && r.name() == QLatin1String("xf"))
                m_xfFormats << codes.value(r.attributes().value(QLatin1String("numFmtId")).toInt(),
                                           QStringLiteral("builtin"));
        }
    }

    void readWorkbook(const QByteArray &xml)
    {
        QXmlStreamReader r(xml);
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement() && r.name() == QLatin1String("sheet")) {
                m_sheetName = r.attributes().value(QLatin1String("name")).toString();
                return;
            }
        }
    }

    void readSheet(const QByteArray &xml)
    {
        QXmlStreamReader r(xml);
        while (!r.atEnd()) {
            r.readNext();
            if (!r.isStartElement() || r.name() != QLatin1String("c"))
                continue;
            const QString ref = r.attributes().value(QLatin1String("r")).toString();
            const QString type = r.attributes().value(QLatin1String("t")).toString();
            const int style = r.attributes().value(QLatin1String("s")).toInt();
            QString value;
            QString inlineText;
            while (!(r.isEndElement() && r.name() == QLatin1String("c")) && !r.atEnd()) {
                r.readNext();
                if (r.isStartElement() && r.name() == QLatin1String("v"))
                    value = r.readElementText();
                else if (r.isStartElement() && r.name() == QLatin1String("t"))
                    inlineText += r.readElementText();
            }
            if (value.isEmpty() && inlineText.isEmpty())
                continue;   // a styled but empty cell
            Cell cell;
            cell.numFmt = m_xfFormats.value(style);
            if (type == QLatin1String("s")) {
                cell.isString = true;
                cell.text = m_strings.value(value.toInt());
            } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str")) {
                cell.isString = true;
                cell.text = inlineText.isEmpty() ? value : inlineText;
            } else {
                cell.number = value.toDouble();
                cell.text = value;
            }
            m_cells.insert(ref, cell);
            const int row = ref.mid(ref.indexOf(QRegularExpression(QStringLiteral("[0-9]")))).toInt();
            m_maxRow = qMax(m_maxRow, row);
        }
    }

    QStringList m_strings;
    QStringList m_xfFormats;
    QHash<QString, Cell> m_cells;
    QString m_sheetName;
    int m_maxRow = 0;
};
