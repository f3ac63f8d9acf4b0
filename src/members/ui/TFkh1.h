#pragma once

#include "data/ui/RecordListWindow.h"

class TDM1;

// 会员资料: the member list on AQkh1. Blocked cards ("不可用") are drawn in red; the popup
// switches the card state; the walk-in customer cannot be deleted.
class TFkh1 : public RecordListWindow {
    Q_OBJECT
public:
    explicit TFkh1(TDM1& dm, QWidget* parent = nullptr);

    static ListDefinition listDefinition(TDM1& dm);
    // The query dialog TFcxkh1 (按条件查询).
    static ListQuery::Definition queryDefinition();
};
