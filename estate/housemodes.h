#pragma once

#include <QString>
#include <QStringList>

namespace estate {

// The five ways the house edit window is opened.
enum class HouseMode { New = 0, Change = 1, Copy = 2, Sale = 3, MoveIn = 4 };

// What each mode of the house edit window means: its caption, whether it
// inserts or updates, which inputs it locks and which status it proposes.
class HouseModes {
public:
    static QString caption(HouseMode mode);
    static bool inserts(HouseMode mode) { return mode == HouseMode::New || mode == HouseMode::Copy; }
    static bool showsNavigator(HouseMode mode) { return mode == HouseMode::Change; }
    static bool showsContinuousAdd(HouseMode mode) { return mode != HouseMode::Change; }
    static bool locksHouseGroup(HouseMode mode) { return mode == HouseMode::Sale || mode == HouseMode::MoveIn; }
    static bool locksContractPage(HouseMode mode) { return mode == HouseMode::MoveIn; }
    // The status input at opening: the mode's status, or the stored one.
    static QString statusAtOpening(HouseMode mode, const QString &stored);

    // Columns of the house group ("基本信息") and of the contract and owner page.
    static QStringList houseGroupColumns();
    static QStringList contractColumns();
};

}  // namespace estate
