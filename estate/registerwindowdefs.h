#pragma once

#include "app/recordmanager/windowdefs.h"

// The descriptions of the three registers of daily operations (cleaning and
// greening, security patrol, suggestions) and of the public facilities, with
// their edit windows.
class RegisterWindowDefs {
public:
    static ListWindowDef cleaning();
    static ListWindowDef patrol();
    static ListWindowDef suggestions();
    static ListWindowDef facilities();
    // The kinds of the suggestions' value list, with the column each groups by.
    static QStringList suggestionKinds();
    static QString suggestionKindColumn(int kind);
};
