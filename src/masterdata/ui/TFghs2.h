#pragma once

#include "data/ui/PickerDialog.h"

#include <functional>

// What the supplier picker hands its caller: the supplier's name.
struct SupplierChoice {
    QString mc;
};

// 选择厂商资料: the modal supplier picker. Caller codes: "tjcg" (TFtjcg1) and "tjyffx"
// (TFtjyffx1), both mc -> Edit1.
class TFghs2 : public PickerDialog {
    Q_OBJECT
public:
    using Deliver = std::function<void(const SupplierChoice&)>;

    // Without `deliver` the choice goes into the caller's box named by the caller code.
    TFghs2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver = {});

    static const PickerRoutes& callerRoutes();

protected:
    void deliver(const PickerRoute& route) override;

private:
    Deliver m_deliver;
};
