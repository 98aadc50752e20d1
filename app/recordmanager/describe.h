#pragma once

#include "app/recordmanager/windowdefs.h"

// Short forms for writing window descriptions: column names and widget
// names in Latin-1, captions in UTF-8, the rest of each description at its
// defaults.
namespace describe {

// An input of an edit window.
FieldDef field(const char *column, const char *caption, const char *widget, Editor editor = Editor::Line,
               const char *source = "", FieldFlags flags = NoFieldFlags);
// A designed grid column.
GridColumn column(const char *fieldName, const char *caption, int width = 80);
// An item of the filter bar's field selector.
FilterDef filter(const char *caption, const char *column, ClauseBuilder::Match match, const char *codeList = "");

}  // namespace describe
