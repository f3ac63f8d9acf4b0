#pragma once

#include "masterdata/ui/ValueEntryDialog.h"

class TDM1;

// 新增商品类别 / 修改商品类别: the entry dialog of the 商品类别 list on AQlb1.
class TFtjlb1 : public ValueEntryDialog {
    Q_OBJECT
public:
    explicit TFtjlb1(TDM1& dm, QWidget* parent = nullptr);
};
