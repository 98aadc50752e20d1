#pragma once

#include "app/report/reporttemplate.h"

#include <QByteArray>
#include <QString>

// Reads and writes report templates: JSON files "<name>.vrt" in the template
// folder, found without regard to letter case.
class ReportTemplateFile {
public:
    // "frFYinfoGL" from "frFYinfoGL", "\Qr\frFYinfoGL.fr3" or "Qr/frfyinfogl.vrt".
    static QString baseName(const QString &templateName);
    // The existing file of the template in dir, or an empty text.
    static QString find(const QString &dir, const QString &templateName);
    // Where the template is saved: the existing file, else dir/<name>.vrt.
    static QString pathForSave(const QString &dir, const QString &templateName);

    static bool load(const QString &path, ReportTemplate *out, QString *error = nullptr);
    static bool save(const QString &path, const ReportTemplate &report, QString *error = nullptr);

    static QByteArray toJson(const ReportTemplate &report);
    static bool fromJson(const QByteArray &json, ReportTemplate *out, QString *error = nullptr);

    static QString suffix() { return QStringLiteral("vrt"); }
};
