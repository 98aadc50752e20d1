#pragma once

#include "app/recordmanager/windowdefs.h"

// The description of the parking list window.
class ParkingWindowDefs {
public:
    static ListWindowDef listWindow();
};
