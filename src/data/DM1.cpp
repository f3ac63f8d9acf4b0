#include "data/DM1.h"

namespace {
TDM1* g_instance = nullptr;
}

TDM1::TDM1(const QString& folder, QObject* parent) : QObject(parent), m_db(folder) {
    setObjectName(QStringLiteral("DM1"));
    AQsp1 = make("AQsp1", "sp");
    AQkcfx1 = make("AQkcfx1", "sp");
    AQlb1 = make("AQlb1", "lb");
    AQdw1 = make("AQdw1", "dw");
    AQghs1 = make("AQghs1", "ghs");
    AQkh1 = make("AQkh1", "kh");
    AQdj1 = make("AQdj1", "dj");
    AQyg1 = make("AQyg1", "yg");
    AQzp1 = make("AQzp1", "zp");
    AQduihuan1 = make("AQduihuan1", "duihuan");
    AQcgfx1 = make("AQcgfx1", "cgfx");
    AQxsz1 = make("AQxsz1", "xsglz");
    AQxsc1 = make("AQxsc1", "xsglc");
    AQxsfx1 = make("AQxsfx1", "xsfx");
    AQrkfx1 = make("AQrkfx1", "rkfx");
    AQckfx1 = make("AQckfx1", "ckfx");
    AQrklx1 = make("AQrklx1", "rklx");
    AQcklx1 = make("AQcklx1", "cklx");
    AQyffx1 = make("AQyffx1", "yffx");
    AQysfx1 = make("AQysfx1", "ysfx");
    AQfkfx1 = make("AQfkfx1", "fkfx");
    AQskfx1 = make("AQskfx1", "skfx");
    AQszfx1 = make("AQszfx1", "szfx");
    AQszxm1 = make("AQszxm1", "szxm");
    AQcgtj1 = make("AQcgtj1", "cgtj1");
    AQxstj1 = make("AQxstj1", "xstj1");
    AQxstj2 = make("AQxstj2", "xstj2");
    AQyhsz1 = make("AQyhsz1", "yhsz");
    AQquanxian1 = make("AQquanxian1", "quanxian");
    ATdanwei1 = make("ATdanwei1", "danwei");
    g_instance = this;
}

TDM1::~TDM1() {
    if (g_instance == this)
        g_instance = nullptr;
    // Datasets go before the connection they read from.
    qDeleteAll(m_all);
    m_all.clear();
}

TDM1* TDM1::instance() { return g_instance; }

Dataset* TDM1::make(const char* name, const char* table) {
    auto* ds = new Dataset(m_db, QString::fromLatin1(name), QString::fromLatin1(table));
    m_all << ds;
    return ds;
}

Dataset* TDM1::dataset(const QString& name) const {
    for (Dataset* d : m_all)
        if (d->name() == name)
            return d;
    return nullptr;
}

bool TDM1::connect() {
    m_db.close();
    if (m_db.open() != Database::OpenError::None)
        return false;
    try {
        ATdanwei1->open();
    } catch (const DbError&) {
        return false;
    }
    return !ATdanwei1->isEmpty();
}

Dataset& TDM1::danwei() {
    if (!ATdanwei1->isOpen())
        ATdanwei1->open();
    return *ATdanwei1;
}
