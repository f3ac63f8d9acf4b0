#pragma once

#include "core/Money.h"
#include "data/ui/PickerDialog.h"

#include <functional>

// What the gift picker hands its caller: code, name, unit and the points one unit costs.
struct GiftChoice {
    QString txm;
    QString ppgg;
    QString dw;
    Money jfjs;
};

// 选择赠品资料: the modal gift picker. Caller code "tjdui" (TFtjdui1): txm, ppgg, dw, jfjs ->
// Edit4..Edit7; closing sets the caller's lookup switch "SAO" back to "sao".
class TFzp2 : public PickerDialog {
    Q_OBJECT
public:
    using Deliver = std::function<void(const GiftChoice&)>;

    // Without `deliver` the choice goes into the caller's boxes named by the caller code.
    TFzp2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver = {});

    static const PickerRoutes& callerRoutes();

protected:
    void deliver(const PickerRoute& route) override;

private:
    Deliver m_deliver;
};
