#pragma once

#include "data/ui/RecordListWindow.h"

class TDM1;

// 员工资料: the employee list on AQyg1; 新增 and 修改 open TFtjyg1. No query, print or import.
class TFyg1 : public RecordListWindow {
    Q_OBJECT
public:
    explicit TFyg1(TDM1& dm, QWidget* parent = nullptr);

    static ListDefinition listDefinition(TDM1& dm);
};
