#include "app/recordmanager/describe.h"

namespace describe {

FieldDef field(const char *column, const char *caption, const char *widget, Editor editor, const char *source,
               FieldFlags flags)
{
    FieldDef f;
    f.column = QString::fromLatin1(column);
    f.caption = QString::fromUtf8(caption);
    f.widgetName = QString::fromLatin1(widget);
    f.editor = editor;
    f.source = QString::fromLatin1(source);
    f.flags = flags;
    return f;
}

GridColumn column(const char *fieldName, const char *caption, int width)
{
    GridColumn c;
    c.fieldName = QString::fromLatin1(fieldName);
    c.caption = QString::fromUtf8(caption);
    c.width = width;
    return c;
}

FilterDef filter(const char *caption, const char *column, ClauseBuilder::Match match, const char *codeList)
{
    return {QString::fromUtf8(caption), QString::fromLatin1(column), match, QString::fromLatin1(codeList)};
}

}  // namespace describe
