#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>

#include <functional>

class QAbstractItemModel;

// What a window hands to a report template: the two data sets, the values of
// the template's named variables and texts for named text objects.
//
// The first data set answers to the names "frxDBDataSet1", "frxDM" and
// "master", the second to "frxDBDataSet2", "frxDD" and "detail". Fields are
// addressed by the model's column names (horizontal headerData, DisplayRole),
// compared without regard to letter case, so QSqlQueryModel works as it is on
// both engines. Variables (such as "memDate") and object names are matched
// without regard to letter case too.
struct ReportData {
    QAbstractItemModel *master = nullptr;
    QAbstractItemModel *detail = nullptr;

    // The row that fields of the master set show outside the data bands
    // (title, page header and footer, summary): the window's current row.
    int masterCurrentRow = 0;

    // Master-detail printing: before the detail rows of master row r are
    // printed, this is called with r so that the window can re-query the
    // detail set for it. Without it, and without key fields, every detail row
    // is printed under every master row.
    std::function<void(int masterRow)> masterRowChanged;

    // Alternatively the detail rows of a master row are those whose
    // detailKeyField equals the master row's masterKeyField.
    QString masterKeyField;
    QString detailKeyField;

    // Named variables of the template, e.g. "memDate" -> "统计日期：自 ...".
    QVariantMap variables;

    // Text objects of the template whose whole text is replaced, e.g. the
    // object "MemoDate" of a list template receiving the date-range text.
    QMap<QString, QString> objectTexts;
};
