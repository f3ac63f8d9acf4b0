#include "data/Schema.h"

#include "core/PasswordHash.h"
#include "data/Database.h"

#include <QHash>
#include <QSet>

namespace Schema {

namespace {

constexpr Kind T = Kind::Text;
constexpr Kind M = Kind::Money;
constexpr Kind D = Kind::Date;

QList<Table> buildTables() {
    return {
        {"sp", "商品资料",
         {{"lb", T, "类别"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"}, {"dw", T, "单位"},
          {"jj", M, "采购单价"}, {"xj", M, "销售单价"}, {"kcsl", M, "库存数量"},
          {"kcjg", M, "库存单价"}, {"kcje", M, "库存金额"}, {"slt", M, "数量提成"},
          {"jet", M, "金额提成"}, {"jfjs", M, "积分基数"}, {"ms", T, "商品描述"},
          {"bz", T, "备注"}, {"ztbj", T, "打折标记"}}},
        {"lb", "商品类别", {{"lb", T, "类别"}}},
        {"dw", "计量单位", {{"dw", T, "计量单位"}}},
        {"ghs", "厂商资料",
         {{"mc", T, "名称"}, {"lxr", T, "联系人"}, {"lxdh", T, "联系方式"},
          {"lxcz", T, "传真号码"}, {"lxdz", T, "联系地址"}, {"yb", T, "邮政编码"},
          {"yhmc", T, "开户银行"}, {"yhzh", T, "银行帐号"}, {"bz", T, "备注"}}},
        {"kh", "会员资料",
         {{"bm", T, "会员卡号"}, {"mc", T, "会员姓名"}, {"xb", T, "性别"}, {"dj", T, "会员等级"},
          {"zk", M, "会员折扣"}, {"zjf", M, "总积分"}, {"zxf", M, "总消费"},
          {"zj", T, "证件编码"}, {"yb", T, "邮政编码"}, {"csrq", T, "出生日期"},
          {"lxdh", T, "联系方式"}, {"lxdz", T, "联系地址"}, {"bz", T, "备注"},
          {"kkrq", D, "开卡日期"}, {"ztbj", T, "可用标记"}}},
        {"dj", "会员等级", {{"dj", T, "等级"}, {"zk", M, "折扣"}}},
        {"yg", "员工资料",
         {{"xm", T, "姓名"}, {"xb", T, "性别"}, {"zw", T, "职务"}, {"bm", T, "部门"},
          {"dh", T, "电话"}, {"dz", T, "住址"}, {"jbgz", M, "基本工资"}, {"sfz", T, "身份证号"},
          {"bz", T, "备注"}}},
        {"zp", "赠品资料",
         {{"txm", T, "编码"}, {"ppgg", T, "赠品名称"}, {"dw", T, "单位"}, {"sl", M, "库存数量"},
          {"jg", M, "库存单价"}, {"je", M, "库存金额"}, {"jfjs", M, "所需积分"}}},
        {"yhsz", "操作员", {{"yhmc", T, "用户名称"}, {"yhmm", T, "用户密码"}}},
        {"quanxian", "权限", {{"yh", T, ""}, {"qx", T, ""}}},
        {"danwei", "店铺信息",
         {{"mczc", T, "店铺名称"}, {"mcdy", T, "打印抬头"}, {"lxr", T, "负责人"},
          {"dh", T, "电话"}, {"cz", T, "传真"}, {"dz", T, "地址"}, {"bz1", T, "备注1"},
          {"bz2", T, "备注2"}, {"dybz1", T, "销售单据脚注（上下2行）"},
          {"dybz2", T, "销售单据脚注（上下2行）"}, {"dybz3", T, "销售小票脚注（上下2行）"},
          {"dybz4", T, "销售小票脚注（上下2行）"}, {"dy", T, "打印机设置"}}},
        {"rklx", "入库类型", {{"lx", T, "入库类型"}}},
        {"cklx", "出库类型", {{"lx", T, "出库类型"}}},
        {"szxm", "收支项目", {{"lb", T, "类别"}, {"xm", T, "收支项目"}}},
        {"xsglz", "销售出库单",
         {{"dh", T, "单号"}, {"rq", D, "销售日期"}, {"kdrq", D, "开单日期"},
          {"hybm", T, "会员卡号"}, {"hymc", T, "会员姓名"}, {"jsr", T, "业务员"},
          {"hjsl", M, "合计数量"}, {"hjje", M, "合计金额"}, {"bcjf", M, "本次积分"},
          {"bz", T, "备注"}, {"shbj", T, "审核"}, {"zhidan", T, "操作员"}}},
        {"xsglc", "销售单明细",
         {{"dh", T, ""}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"}, {"dw", T, "单位"},
          {"sl", M, "数量"}, {"yjg", M, ""}, {"zk", M, ""}, {"zkbj", T, ""}, {"jg", M, "单价"},
          {"je", M, "金额"}, {"jfjs", M, ""}, {"bcjf", M, ""}, {"cbjg", M, ""}, {"cbje", M, ""},
          {"maoli", M, ""}, {"bj", T, ""}}},
        {"xsfx", "销售明细表",
         {{"dh", T, "单号"}, {"rq", D, "日期"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"},
          {"dw", T, "单位"}, {"sl", M, "数量"}, {"jg", M, "单价"}, {"je", M, "金额"},
          {"cbjg", M, ""}, {"cbje", M, "成本额"}, {"maoli", M, "毛利润"},
          {"hybm", T, "会员卡号"}, {"hymc", T, "会员姓名"}, {"jsr", T, "业务员"},
          {"bz", T, "备注"}}},
        {"cgfx", "采购入库",
         {{"rq", D, "日期"}, {"ghs", T, "厂商"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"},
          {"dw", T, "单位"}, {"sl", M, "数量"}, {"jg", M, "单价"}, {"je", M, "金额"},
          {"jsr", T, "经办人"}, {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"rkfx", "其他入库",
         {{"rq", D, "日期"}, {"lx", T, "类型"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"},
          {"dw", T, "单位"}, {"sl", M, "数量"}, {"jg", M, "单价"}, {"je", M, "金额"},
          {"jsr", T, "经办人"}, {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"ckfx", "其他出库",
         {{"rq", D, "日期"}, {"lx", T, "类型"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"},
          {"dw", T, "单位"}, {"sl", M, "数量"}, {"jg", M, "单价"}, {"je", M, "金额"},
          {"jsr", T, "经办人"}, {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"duihuan", "积分兑换赠品",
         {{"rq", D, "日期"}, {"hybm", T, "会员卡号"}, {"hymc", T, "会员姓名"}, {"txm", T, "编码"},
          {"ppgg", T, "赠品名称"}, {"dw", T, "单位"}, {"sl", M, "数量"},
          {"jfjs", M, "扣分基数"}, {"bcjf", M, "本次扣分"}, {"jsr", T, "经办人"},
          {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"yffx", "本店欠款（采购应付）",
         {{"dh", T, "单号"}, {"kdrq", D, "开单日期"}, {"rq", D, "日期"}, {"ghs", T, "厂商"},
          {"qk", M, "应付金额"}, {"jsr", T, "经办人"}, {"bz", T, "备注"}}},
        {"ysfx", "顾客欠款（销售应收）",
         {{"dh", T, "单号"}, {"kdrq", D, "开单日期"}, {"rq", D, "日期"},
          {"hybm", T, "会员卡号"}, {"hymc", T, "会员姓名"}, {"qk", M, "应收金额"},
          {"jsr", T, "经办人"}, {"bz", T, "备注"}}},
        {"fkfx", "本店还款（采购付款）",
         {{"rq", D, "日期"}, {"dh", T, "欠款单号"}, {"ghs", T, "厂商"}, {"je", M, "付款金额"},
          {"jsr", T, "经办人"}, {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"skfx", "顾客还款（销售收款）",
         {{"rq", D, "日期"}, {"dh", T, "欠款单号"}, {"hybm", T, "会员卡号"},
          {"hymc", T, "会员姓名"}, {"je", M, "收款金额"}, {"jsr", T, "经办人"},
          {"bz", T, "备注"}, {"shbj", T, "审核"}}},
        {"szfx", "其他收支",
         {{"rq", D, "日期"}, {"lb", T, "类别"}, {"xm", T, "项目"}, {"se", M, "收入额"},
          {"ze", M, "支出额"}, {"jsr", T, "经办人"}, {"bz", T, "备注"}}},
        {"cgtj1", "采购统计表",
         {{"fenzu", T, "分组"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"}, {"dw", T, "单位"},
          {"zsl", M, "数量"}, {"zje", M, "金额"}}},
        {"xstj1", "销售统计表",
         {{"fenzu", T, "分组"}, {"txm", T, "编码"}, {"ppgg", T, "商品名称"}, {"dw", T, "单位"},
          {"zsl", M, "数量"}, {"zje", M, "金额"}, {"zcb", M, "成本额"}, {"zmaoli", M, "毛利润"}}},
        {"xstj2", "员工提成表",
         {{"yuangong", T, "员工"}, {"sltc", M, "销售提成额"}, {"jetc", M, "金额提成额"},
          {"ztc", M, "总提成额"}}},
    };
}

const char* sqlType(Kind k) { return k == Kind::Money ? "INTEGER NOT NULL DEFAULT 0" : "TEXT"; }

// Lookup keys of the windows and services; they change speed, never meaning.
const char* const kIndexes[] = {
    "CREATE INDEX ix_sp_txm ON sp(txm)",
    "CREATE INDEX ix_sp_key ON sp(txm,ppgg,dw)",
    "CREATE INDEX ix_sp_ppgg ON sp(ppgg)",
    "CREATE INDEX ix_sp_lb ON sp(lb)",
    "CREATE INDEX ix_lb_lb ON lb(lb)",
    "CREATE INDEX ix_dw_dw ON dw(dw)",
    "CREATE INDEX ix_ghs_mc ON ghs(mc)",
    "CREATE INDEX ix_kh_bm ON kh(bm)",
    "CREATE INDEX ix_dj_dj ON dj(dj)",
    "CREATE INDEX ix_yg_xm ON yg(xm)",
    "CREATE INDEX ix_zp_key ON zp(txm,ppgg,dw)",
    "CREATE INDEX ix_yhsz_yhmc ON yhsz(yhmc)",
    "CREATE INDEX ix_quanxian_yh ON quanxian(yh)",
    "CREATE INDEX ix_xsglz_dh ON xsglz(dh)",
    "CREATE INDEX ix_xsglz_kdrq ON xsglz(kdrq)",
    "CREATE INDEX ix_xsglz_rq ON xsglz(rq)",
    "CREATE INDEX ix_xsglc_dh_bj ON xsglc(dh,bj)",
    "CREATE INDEX ix_xsfx_rq ON xsfx(rq)",
    "CREATE INDEX ix_xsfx_dh ON xsfx(dh)",
    "CREATE INDEX ix_xsfx_txm ON xsfx(txm)",
    "CREATE INDEX ix_cgfx_rq ON cgfx(rq)",
    "CREATE INDEX ix_rkfx_rq ON rkfx(rq)",
    "CREATE INDEX ix_ckfx_rq ON ckfx(rq)",
    "CREATE INDEX ix_duihuan_rq ON duihuan(rq)",
    "CREATE INDEX ix_yffx_dh ON yffx(dh)",
    "CREATE INDEX ix_ysfx_dh ON ysfx(dh)",
    "CREATE INDEX ix_fkfx_rq ON fkfx(rq)",
    "CREATE INDEX ix_skfx_rq ON skfx(rq)",
    "CREATE INDEX ix_szfx_rq ON szfx(rq)",
};

const char* const kPermissions[] = {"系统设置", "基本资料", "会员管理", "采购管理", "销售管理",
                                    "其他出入库", "财务管理", "库存归零", "显示库存价格"};

} // namespace

const QStringList& permissionNames() {
    static const QStringList names = [] {
        QStringList l;
        for (const char* p : kPermissions)
            l << QString::fromUtf8(p);
        return l;
    }();
    return names;
}

const Field* Table::field(const QString& n) const {
    for (const Field& f : fields)
        if (f.name == n)
            return &f;
    return nullptr;
}

const QList<Table>& tables() {
    static const QList<Table> all = buildTables();
    return all;
}

const Table* table(const QString& name) {
    for (const Table& t : tables())
        if (t.name == name)
            return &t;
    return nullptr;
}

bool isMoneyColumn(const QString& name) {
    static const QSet<QString> money = [] {
        QSet<QString> s;
        for (const Table& t : tables())
            for (const Field& f : t.fields)
                if (f.kind == Kind::Money)
                    s.insert(f.name);
        return s;
    }();
    return money.contains(name);
}

QString caption(const QString& tableName, const QString& fieldName) {
    if (const Table* t = table(tableName))
        if (const Field* f = t->field(fieldName); f && !f->caption.isEmpty())
            return f->caption;
    return fieldName;
}

void create(Database& db) {
    Transaction tx(db);
    for (const Table& t : tables()) {
        QStringList cols{QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")};
        for (const Field& f : t.fields)
            cols << f.name + u' ' + QLatin1String(sqlType(f.kind));
        db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(t.name, cols.join(QStringLiteral(", "))));
    }
    for (const char* ix : kIndexes)
        db.exec(QString::fromLatin1(ix));

    const QString admin = QStringLiteral("系统管理员");
    db.exec(QStringLiteral("insert into yhsz (yhmc,yhmm) values(?,?)"),
            {admin, PasswordHash::hash(QString())});
    for (const QString& p : permissionNames())
        db.exec(QStringLiteral("insert into quanxian (yh,qx) values(?,?)"), {admin, p});

    const QString walkIn = QStringLiteral("无卡顾客");
    db.exec(QStringLiteral("insert into dj (dj,zk) values(?,?)"), {walkIn, QVariant::fromValue(Money(1).raw())});
    db.exec(QStringLiteral("insert into kh (bm,mc,xb,dj,zk,ztbj) values(?,?,?,?,?,?)"),
            {QStringLiteral("0"), walkIn, QStringLiteral("男"), walkIn,
             QVariant::fromValue(Money(1).raw()), QStringLiteral("可用")});
    db.exec(QStringLiteral("insert into danwei (mczc,mcdy,dybz1,dybz2,dybz3,dybz4,dy) "
                           "values(?,?,?,?,?,?,?)"),
            {QStringLiteral("我的小店"), QStringLiteral("我的小店"),
             QStringLiteral("谢谢惠顾，欢迎再次光临！"), QString(),
             QStringLiteral("谢谢惠顾，欢迎再次光临！"), QStringLiteral("请保留小票，以便退换货"),
             QStringLiteral("不打印")});

    // What a new shop needs before its first purchase.
    for (const char* u : {"个", "件", "箱", "包", "瓶", "袋", "盒", "千克", "米"})
        db.exec(QStringLiteral("insert into dw (dw) values(?)"), {QString::fromUtf8(u)});
    for (const char* c : {"未分类", "未知"})
        db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QString::fromUtf8(c)});
    for (const char* r : {"盘盈入库", "赠送入库", "退货入库", "其他入库"})
        db.exec(QStringLiteral("insert into rklx (lx) values(?)"), {QString::fromUtf8(r)});
    for (const char* c : {"盘亏出库", "报损出库", "领用出库", "其他出库"})
        db.exec(QStringLiteral("insert into cklx (lx) values(?)"), {QString::fromUtf8(c)});
    const std::pair<const char*, const char*> items[] = {
        {"收入", "废品回收"}, {"收入", "其他收入"}, {"支出", "房租"},
        {"支出", "水电费"},   {"支出", "工资"},     {"支出", "其他支出"}};
    for (const auto& [lb, xm] : items)
        db.exec(QStringLiteral("insert into szxm (lb,xm) values(?,?)"),
                {QString::fromUtf8(lb), QString::fromUtf8(xm)});

    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(Version));
    tx.commit();
}

void upgrade(Database& db) {
    const int current = db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
    if (current >= Version)
        return;
    Transaction tx(db);
    // Steps from one version to the next go here, in order.
    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(Version));
    tx.commit();
}

bool hasAllTables(Database& db) {
    QSet<QString> present;
    for (const QVariantList& row :
         db.rows(QStringLiteral("select name from sqlite_master where type='table'")))
        present.insert(row.value(0).toString());
    for (const Table& t : tables())
        if (!present.contains(t.name))
            return false;
    return true;
}

} // namespace Schema
