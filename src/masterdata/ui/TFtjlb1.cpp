#include "masterdata/ui/TFtjlb1.h"

#include "data/DM1.h"
#include "masterdata/ValueLists.h"

TFtjlb1::TFtjlb1(TDM1& dm, QWidget* parent)
    : ValueEntryDialog(*dm.AQlb1, ValueList::categories(),
                       {QStringLiteral("TFtjlb1"), QStringLiteral("类别"),
                        QStringLiteral("新增商品类别"), QStringLiteral("修改商品类别")},
                       parent) {}
