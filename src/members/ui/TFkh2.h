#pragma once

#include "data/ui/PickerDialog.h"

#include <functional>

// What the member picker hands its caller: the card number only; the caller looks the member
// up by it.
struct MemberChoice {
    QString bm;
};

// 选择会员资料: the modal member picker; blocked cards ("不可用") are drawn in red. Caller codes:
// "tjdui" (TFtjdui1) bm -> Edit1, "tjxs" (TFtjxsd1) bm -> hybm, "tjysfx" (TFtjysfx1) bm -> Edit1.
class TFkh2 : public PickerDialog {
    Q_OBJECT
public:
    using Deliver = std::function<void(const MemberChoice&)>;

    // Without `deliver` the choice goes into the caller's box named by the caller code.
    TFkh2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver = {});

    static const PickerRoutes& callerRoutes();

protected:
    void deliver(const PickerRoute& route) override;

private:
    Deliver m_deliver;
};
