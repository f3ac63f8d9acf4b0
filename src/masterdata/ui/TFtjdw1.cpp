#include "masterdata/ui/TFtjdw1.h"

#include "data/DM1.h"
#include "masterdata/ValueLists.h"

TFtjdw1::TFtjdw1(TDM1& dm, QWidget* parent)
    : ValueEntryDialog(*dm.AQdw1, ValueList::units(),
                       {QStringLiteral("TFtjdw1"), QStringLiteral("单位"),
                        QStringLiteral("新增计量单位"), QStringLiteral("修改计量单位")},
                       parent) {}
