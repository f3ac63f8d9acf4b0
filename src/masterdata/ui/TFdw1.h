#pragma once

#include "data/ui/ValueListDialog.h"

class TDM1;

// 计量单位设置: the unit list on AQdw1. Its caller code decides whose unit box 选择 fills:
// "tjsp" the product entry dialog (TFtjsp1, Edit4), "tjzp" the gift entry dialog (TFtjzp1,
// Edit3). 新增 and 修改 open TFtjdw1. Its titles do not sort.
//
//   TFdw1 units(dm, "tjzp", this);
//   DialogRunner::exec(units);
class TFdw1 : public ValueListDialog {
    Q_OBJECT
public:
    TFdw1(TDM1& dm, const QString& xzbj, QWidget* caller);

    static const PickerRoutes& callerRoutes();
};
