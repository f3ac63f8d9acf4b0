#pragma once

#include "data/ui/PickerDialog.h"

#include <functional>

// What the employee picker hands its caller: the employee's name.
struct EmployeeChoice {
    QString xm;
};

// 选择员工资料: the modal employee picker. Every caller takes xm, each into its own box:
// "tjdui" Edit3, "tjcg" Edit2, "tjxs" jsr, "tjrk" Edit2, "tjck" Edit2, "tjyffx" Edit3,
// "tjysfx" Edit3, "tjfkfx" Edit5, "tjskfx" Edit5, "tjszfx" Edit1.
class TFyg2 : public PickerDialog {
    Q_OBJECT
public:
    using Deliver = std::function<void(const EmployeeChoice&)>;

    // Without `deliver` the choice goes into the caller's box named by the caller code.
    TFyg2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver = {});

    static const PickerRoutes& callerRoutes();

protected:
    void deliver(const PickerRoute& route) override;

private:
    Deliver m_deliver;
};
