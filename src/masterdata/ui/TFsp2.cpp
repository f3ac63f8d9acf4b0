#include "masterdata/ui/TFsp2.h"

#include "data/DM1.h"
#include "data/ui/DatasetView.h"
#include "data/ui/ProductBrowser.h"

const PickerRoutes& TFsp2::callerRoutes() {
    static const PickerRoutes routes = {
        {"tjcg", "TFtjcg1", {{"txm", "Edit4"}, {"ppgg", "Edit5"}, {"dw", "Edit6"}, {"jj", "Edit7"}},
         "sao"},
        {"tjrk", "TFtjrk1",
         {{"txm", "Edit4"}, {"ppgg", "Edit5"}, {"dw", "Edit6"}, {"kcjg", "Edit7"}}},
        {"tjck", "TFtjck1",
         {{"txm", "Edit4"}, {"ppgg", "Edit5"}, {"dw", "Edit6"}, {"kcjg", "Edit7"}}},
        {"xgkc2", "TFxgkcfx2", {{"txm", "Edit5"}, {"ppgg", "Edit6"}, {"dw", "Edit7"}}, "sao"},
    };
    return routes;
}

namespace {
PickerDialog::Setup setup() {
    PickerDialog::Setup s;
    s.objectName = QStringLiteral("TFsp2");
    s.title = QStringLiteral("选择商品资料");
    s.table = QStringLiteral("sp");
    s.emptyMessage = QStringLiteral("没有商品可选择！");
    s.routes = TFsp2::callerRoutes();
    s.size = {860, 500};
    return s;
}
} // namespace

TFsp2::TFsp2(TDM1& dm, const QString& xzbj, QWidget* caller, Deliver deliver)
    : PickerDialog(dm, setup(), new ProductBrowser(dm), xzbj, caller),
      m_deliver(std::move(deliver)) {
    // A purchase is priced at the purchase price, stock-in and stock-out at the stock unit cost:
    // the picker shows the price the caller will take.
    const bool purchase = xzbj == QLatin1String("tjcg");
    const bool stock = xzbj == QLatin1String("tjrk") || xzbj == QLatin1String("tjck");
    panel()->grid()->setColumns({
        {QStringLiteral("txm")},
        {QStringLiteral("ppgg")},
        {QStringLiteral("dw")},
        {QStringLiteral("kcsl")},
        {QStringLiteral("jj"), {}, !stock},
        {QStringLiteral("kcjg"), {}, !purchase},
        {QStringLiteral("ms")},
        {QStringLiteral("bz")},
        {QStringLiteral("ztbj")},
        {QStringLiteral("lb")},
    });
}

ProductBrowser* TFsp2::browser() const { return static_cast<ProductBrowser*>(panel()); }

void TFsp2::deliver(const PickerRoute& route) {
    if (!m_deliver) {
        fillBoxes(caller(), route, dataset());
        return;
    }
    const Dataset& ds = dataset();
    ProductChoice c{ds.text(QStringLiteral("txm")), ds.text(QStringLiteral("ppgg")),
                    ds.text(QStringLiteral("dw")), std::nullopt};
    // The fourth value of a route is its price field.
    if (route.copies.size() > 3)
        c.price = ds.money(route.copies[3].field);
    m_deliver(c);
}
