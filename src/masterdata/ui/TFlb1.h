#pragma once

#include "data/ui/ValueListDialog.h"

class TDM1;

// 商品类别设置: the category list on AQlb1, opened from the product entry dialog. 选择 copies the
// chosen category into the caller's category box (Edit1 of TFtjsp1); 新增 and 修改 open TFtjlb1.
class TFlb1 : public ValueListDialog {
    Q_OBJECT
public:
    explicit TFlb1(TDM1& dm, QWidget* caller);

    static const PickerRoutes& callerRoutes();
};
