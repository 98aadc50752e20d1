#pragma once

#include "app/recordmanager/windowdefs.h"

// The descriptions of the house list and of the three input groups of the
// house edit window.
class HouseWindowDefs {
public:
    static ListWindowDef listWindow();
    // "基本信息": the house itself.
    static EditWindowDef houseGroup();
    // " 合同信息 ": the contract and the owner (the owner's sex is a fixed drop-down of its own).
    static EditWindowDef contractPage();
    // " 住户信息 ": the resident (the move-in date with its tick box is an input of its own).
    static EditWindowDef residentPage();
};
