#pragma once

#include "data/ui/RecordListWindow.h"

class TDM1;

// 赠品资料: the gift list on AQzp1 with the stock totals (panel 2 the quantity, panel 4 the value).
// Rows with a quantity of 0 or less are drawn in red.
class TFzp1 : public RecordListWindow {
    Q_OBJECT
public:
    explicit TFzp1(TDM1& dm, QWidget* parent = nullptr);
    ~TFzp1() override;

    static ListDefinition listDefinition(TDM1& dm);
    // The query dialog TFcxzp1 (按条件查询).
    static ListQuery::Definition queryDefinition();

    // The open gift list, or null: the gift entry dialog refreshes its totals after each save.
    static TFzp1* openWindow();
};
