#pragma once

#include "core/Money.h"
#include "data/ui/PickerDialog.h"

#include <functional>
#include <optional>

class ProductBrowser;

// What the product picker hands its caller: code, name, unit and, for the callers that take
// one, a price (the purchase price jj for a purchase, the stock unit cost kcjg for other
// stock-in and stock-out; none for the unit conversion).
struct ProductChoice {
    QString txm;
    QString ppgg;
    QString dw;
    std::optional<Money> price;
};

// 选择商品资料: the modal product picker with the category tree.
//
// Caller codes: "tjcg" (TFtjcg1: txm, ppgg, dw, jj -> Edit4..Edit7), "tjrk" and "tjck" (TFtjrk1,
// TFtjck1: txm, ppgg, dw, kcjg -> Edit4..Edit7), "xgkc2" (TFxgkcfx2: txm, ppgg, dw ->
// Edit5..Edit7). Closing for "tjcg" or "xgkc2" sets the caller's lookup switch "sao" back to "sao".
// A purchase shows the purchase price and hides the stock unit cost; stock-in and stock-out the
// other way round.
class TFsp2 : public PickerDialog {
    Q_OBJECT
public:
    using Deliver = std::function<void(const ProductChoice&)>;

    // Without `deliver` the choice goes into the caller's boxes named by the caller code.
    TFsp2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver = {});

    static const PickerRoutes& callerRoutes();
    ProductBrowser* browser() const;

protected:
    void deliver(const PickerRoute& route) override;

private:
    Deliver m_deliver;
};
