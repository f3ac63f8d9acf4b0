#pragma once

#include "data/ui/RecordListWindow.h"

class TDM1;

// 厂商资料: the supplier list on AQghs1.
class TFghs1 : public RecordListWindow {
    Q_OBJECT
public:
    explicit TFghs1(TDM1& dm, QWidget* parent = nullptr);

    static ListDefinition listDefinition(TDM1& dm);
};
