#include "app/gridexport.h"

bool WriteGridXlsx(const GridSnapshot &, const QString &, const QString &, QString *)
{
    return false;
}

bool ExportToExcel(const GridSnapshot &, const QString &, bool)
{
    return false;
}

DocumentOpener setDocumentOpener(DocumentOpener opener)
{
    return opener;
}

QString lastExportPath()
{
    return {};
}
