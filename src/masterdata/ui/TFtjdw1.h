#pragma once

#include "masterdata/ui/ValueEntryDialog.h"

class TDM1;

// 新增计量单位 / 修改计量单位: the entry dialog of the 计量单位 list on AQdw1.
class TFtjdw1 : public ValueEntryDialog {
    Q_OBJECT
public:
    explicit TFtjdw1(TDM1& dm, QWidget* parent = nullptr);
};
