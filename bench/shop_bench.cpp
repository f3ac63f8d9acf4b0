// shop-bench: the data layer (Database, Dataset) against raw SQLite on the same generated
// database, in one run. Prints one table of times per operation and their ratio, and the memory
// of a Dataset holding every product. See bench/README.md.
//
// Both sides use the same connection (same file, pragmas and page cache), so a ratio measures
// only what our layer adds. The raw side steps the same statement and reads every column the way
// any reader must: sqlite3_column_text for texts, sqlite3_column_int64 for numbers.

#include "core/Money.h"
#include "data/DM1.h"
#include "data/Database.h"
#include "data/Dataset.h"
#include "data/SqlText.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>
#include <QTemporaryDir>

#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

// ---------------------------------------------------------------------------------------------
// settings

struct Options {
    int products = 100000;
    int sales = 1000000;
    int lookups = 10000;
    int reps = 7;
    int only = 0; // run this one operation only (1..5), for profiling
    QString keep; // a folder whose database is reused (or created and kept)
};

void usage() {
    std::fprintf(stderr,
                 "usage: shop-bench [--products N] [--sales N] [--lookups N] [--reps N] "
                 "[--keep DIR] [--only 1..5]\n"
                 "  --keep DIR  use the database in DIR, generating it there first when there is "
                 "none\n"
                 "  --only K    time operation K only (for a profiler)\n");
}

bool parseArgs(const QStringList& args, Options& o) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto number = [&](int& out) {
            bool ok = false;
            out = args[++i].toInt(&ok);
            return ok && out > 0;
        };
        if (a == QLatin1String("--products") && hasValue) {
            if (!number(o.products))
                return false;
        } else if (a == QLatin1String("--sales") && hasValue) {
            if (!number(o.sales))
                return false;
        } else if (a == QLatin1String("--lookups") && hasValue) {
            if (!number(o.lookups))
                return false;
        } else if (a == QLatin1String("--reps") && hasValue) {
            if (!number(o.reps))
                return false;
        } else if (a == QLatin1String("--only") && hasValue) {
            if (!number(o.only) || o.only > 5)
                return false;
        } else if (a == QLatin1String("--keep") && hasValue) {
            o.keep = args[++i];
        } else {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// process memory

// A field of /proc/self/status in kB ("VmHWM", "VmRSS"), or -1.
long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':')
            return std::stol(line.substr(n + 1));
    return -1;
}

// Sets VmHWM back to the current VmRSS, so the next peak is that of what follows.
bool resetPeak() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

std::string mib(double bytes) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f MiB", bytes / (1024.0 * 1024.0));
    return b;
}

std::string duration(double seconds) {
    char b[32];
    if (seconds >= 1.0)
        std::snprintf(b, sizeof b, "%.2f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(b, sizeof b, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(b, sizeof b, "%.2f us", seconds * 1e6);
    return b;
}

// ---------------------------------------------------------------------------------------------
// generated data

struct Group {
    const char* category;
    std::vector<const char*> brands;
    std::vector<const char*> kinds; // flavour, grade, colour ...
    std::vector<const char*> nouns;
    std::vector<const char*> specs;
    std::vector<const char*> units;
    int lowFen, highFen; // purchase price range in fen
};

const std::vector<Group>& groups() {
    static const std::vector<Group> g = {
        {"方便食品",
         {"康师傅", "统一", "白象", "今麦郎", "五谷道场", "陈克明", "日清", "汤达人"},
         {"红烧牛肉", "老坛酸菜", "香辣牛肉", "鲜虾鱼板", "番茄鸡蛋", "藤椒", "葱香排骨", "酸辣"},
         {"方便面", "桶面", "挂面", "拌面", "米线", "自热火锅"},
         {"120g", "5连包", "82g×5", "108g", "1kg", "桶装", "整箱24袋"},
         {"袋", "桶", "包", "箱"},
         250, 3000},
        {"乳品饮料",
         {"蒙牛", "伊利", "光明", "君乐宝", "农夫山泉", "娃哈哈", "怡宝", "可口可乐", "百事",
          "王老吉", "加多宝", "银鹭", "元气森林"},
         {"高钙", "低脂", "全脂", "原味", "草莓味", "无糖", "冰红茶", "柠檬", "蜂蜜", "特浓"},
         {"纯牛奶", "酸奶", "矿泉水", "纯净水", "可乐", "凉茶", "花生牛奶", "八宝粥", "绿茶", "果汁",
          "苏打水"},
         {"250ml", "250ml×12", "500ml", "550ml", "1.5L", "330ml×24", "360g", "200ml×24"},
         {"瓶", "盒", "箱", "罐", "提"},
         200, 8000},
        {"休闲零食",
         {"三只松鼠", "良品铺子", "徐福记", "好丽友", "乐事", "奥利奥", "德芙", "旺旺", "达利园",
          "盼盼", "卫龙", "洽洽", "百草味"},
         {"原味", "黄瓜味", "番茄味", "巧克力", "夹心", "香辣", "奶香", "五香", "焦糖", "海苔"},
         {"薯片", "饼干", "坚果", "瓜子", "雪饼", "辣条", "软面包", "蛋黄派", "牛肉干", "每日坚果"},
         {"70g", "104g", "160g", "500g", "1kg", "18枚", "礼盒装", "30包"},
         {"袋", "盒", "包", "罐"},
         300, 12000},
        {"粮油调味",
         {"金龙鱼", "福临门", "鲁花", "海天", "李锦记", "太太乐", "老干妈", "五得利", "金沙河",
          "十月稻田", "中粮", "恒顺", "千禾"},
         {"浓香", "压榨", "一级", "特级", "生抽", "老抽", "精制", "五常", "东北", "香辣", "陈酿"},
         {"花生油", "调和油", "大米", "面粉", "酱油", "蚝油", "鸡精", "辣椒酱", "香醋", "食盐",
          "料酒"},
         {"5L", "1.8L", "500ml", "2.5kg", "5kg", "10kg", "280g", "400g", "1.9L"},
         {"桶", "瓶", "袋", "包"},
         300, 15000},
        {"日用百货",
         {"立白", "蓝月亮", "雕牌", "奥妙", "舒肤佳", "高露洁", "云南白药", "佳洁士", "飘柔",
          "海飞丝", "六神", "心相印", "清风", "维达", "洁柔", "南孚"},
         {"薰衣草", "柠檬", "薄荷", "清香", "去屑", "滋润", "超柔", "加厚", "原木", "抗菌"},
         {"洗衣液", "洗衣粉", "香皂", "牙膏", "牙刷", "洗发水", "沐浴露", "抽纸", "卷纸", "湿巾",
          "电池", "洗洁精"},
         {"2kg", "3kg", "120g", "180g", "400ml", "750ml", "3层×120抽", "10卷", "5号×4", "2支装"},
         {"瓶", "袋", "块", "支", "提", "包", "盒"},
         200, 8000},
        {"烟酒",
         {"青岛", "雪花", "燕京", "哈尔滨", "五粮液", "洋河", "泸州老窖", "汾酒", "牛栏山", "红星",
          "郎酒", "张裕"},
         {"纯生", "勇闯天涯", "经典", "清爽", "海之蓝", "天之蓝", "特曲", "二锅头", "干红", "窖藏"},
         {"啤酒", "白酒", "红酒", "黄酒", "果酒"},
         {"500ml", "330ml×24", "500ml×12", "52度500ml", "42度480ml", "750ml", "2.5L"},
         {"瓶", "罐", "箱", "听", "盒"},
         300, 60000},
        {"文具",
         {"得力", "晨光", "真彩", "齐心", "国誉", "白雪", "英雄", "马利", "三菱", "百乐"},
         {"黑色", "红色", "蓝色", "中性", "按动", "加厚", "A4", "B5", "软抄"},
         {"中性笔", "笔记本", "铅笔", "橡皮", "胶棒", "订书机", "文件夹", "便利贴", "直尺", "美工刀"},
         {"0.5mm", "12支装", "80页", "A5", "16K", "3个装", "2B", "100张"},
         {"支", "本", "个", "盒", "包"},
         50, 5000},
        {"服装鞋帽",
         {"南极人", "恒源祥", "七匹狼", "猫人", "浪莎", "鸿星尔克", "回力", "安踏"},
         {"纯棉", "男士", "女士", "儿童", "加绒", "保暖", "运动", "休闲"},
         {"袜子", "内裤", "秋衣", "保暖内衣", "T恤", "帆布鞋", "拖鞋", "手套", "帽子"},
         {"均码", "XL", "L", "M", "5双装", "3条装", "42码", "38码"},
         {"双", "件", "条", "套", "顶"},
         500, 20000},
        {"家居电器",
         {"美的", "苏泊尔", "九阳", "公牛", "爱仕达", "双立人", "小熊", "飞利浦", "欧普", "雷士"},
         {"不粘", "家用", "多功能", "智能", "迷你", "大容量", "节能", "防滑"},
         {"电饭煲", "炒锅", "插座", "电热水壶", "豆浆机", "台灯", "LED灯泡", "保温杯", "菜刀",
          "砧板"},
         {"3L", "4L", "32cm", "1.5L", "5孔", "3米", "9W", "500ml"},
         {"个", "台", "只", "套", "把"},
         1000, 50000},
    };
    return g;
}

struct Rng {
    std::mt19937_64 gen{20240501};
    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); } // [lo,hi]
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(gen) < p; }
    template <typename T> const T& pick(const std::vector<T>& v) {
        return v[size_t(range(0, int(v.size()) - 1))];
    }
};

int charCount(const std::string& utf8) {
    int n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

// A product name of 8 to 20 characters: brand, kind, noun and size.
std::string productName(Rng& r, const Group& g) {
    for (;;) {
        const std::string brand = r.pick(g.brands);
        const std::string kind = r.pick(g.kinds);
        const std::string noun = r.pick(g.nouns);
        const std::string spec = r.pick(g.specs);
        std::string name = brand + (r.chance(0.7) ? kind : std::string()) + noun + spec;
        if (charCount(name) < 8)
            name = brand + kind + noun + spec;
        const int n = charCount(name);
        if (n >= 8 && n <= 20)
            return name;
    }
}

// A 13-digit code with the check digit of retail bar codes.
std::string productCode(Rng& r) {
    std::string s = "69";
    for (int i = 0; i < 10; ++i)
        s += char('0' + r.range(0, 9));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (s[size_t(i)] - '0') * (i % 2 ? 3 : 1);
    s += char('0' + (10 - sum % 10) % 10);
    return s;
}

std::string personName(Rng& r) {
    static const std::vector<const char*> surnames = {"王", "李", "张", "刘", "陈", "杨", "赵",
                                                      "黄", "周", "吴", "徐", "孙", "胡", "朱",
                                                      "高", "林", "何", "郭", "马", "罗"};
    static const std::vector<const char*> given = {"伟", "芳", "娜", "秀英", "敏", "静", "丽",
                                                   "强", "磊", "军", "洋", "勇", "艳", "杰",
                                                   "娟", "涛", "明", "超", "秀兰", "霞"};
    std::string s = r.pick(surnames);
    s += r.pick(given);
    if (r.chance(0.5))
        s += r.pick(given);
    return s;
}

struct Product {
    std::string txm, ppgg, dw;
    int64_t xj = 0, kcjg = 0; // ten-thousandths
    bool discountable = true;
};

struct StmtGuard {
    sqlite3_stmt* s = nullptr;
    ~StmtGuard() { sqlite3_finalize(s); }
};

sqlite3_stmt* prepare(sqlite3* h, const char* sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(h, sql, -1, &s, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
    return s;
}

void bindText(sqlite3_stmt* s, int at, const std::string& v) {
    sqlite3_bind_text(s, at, v.data(), int(v.size()), SQLITE_STATIC);
}

void stepDone(sqlite3* h, sqlite3_stmt* s) {
    if (sqlite3_step(s) != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
    sqlite3_reset(s);
}

int64_t fen(int f) { return int64_t(f) * 100; }

// Fills sp with `count` products and xsfx with `lines` posted sales lines over two years, in
// one transaction of prepared inserts.
void generate(Database& db, int count, int lines) {
    Rng r;
    sqlite3* h = db.handle();
    // A large page cache while filling only: the random code index would spill otherwise.
    db.exec(QStringLiteral("PRAGMA cache_size=-262144"));
    Transaction tx(db);

    StmtGuard sp{prepare(h, "insert into sp (lb,txm,ppgg,dw,jj,xj,kcsl,kcjg,kcje,slt,jet,jfjs,ms,"
                            "bz,ztbj) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")};
    static const std::vector<const char*> remarks = {"热销", "新品上市", "促销", "临期特价",
                                                     "季节商品", "本地直供"};
    const std::string discount = "打折", noDiscount = "不打折", empty;
    std::unordered_set<std::string> codes;
    std::vector<Product> products;
    products.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const Group& g = r.pick(groups());
        Product p;
        do
            p.txm = productCode(r);
        while (!codes.insert(p.txm).second);
        p.ppgg = productName(r, g);
        p.dw = r.pick(g.units);
        const int jjFen = r.range(g.lowFen, g.highFen);
        const int xjFen = (jjFen * r.range(115, 150) / 100 + 9) / 10 * 10; // whole jiao
        const int qty = r.chance(0.05) ? 0 : (r.chance(0.03) ? -r.range(1, 20) : r.range(1, 300));
        p.xj = fen(xjFen);
        p.kcjg = fen(jjFen);
        p.discountable = !r.chance(0.1);
        const std::string lb = g.category;
        const std::string ms = r.chance(0.2) ? std::string(r.pick(remarks)) : empty;
        const std::string bz = r.chance(0.05) ? std::string("门店自采") : empty;
        bindText(sp.s, 1, lb);
        bindText(sp.s, 2, p.txm);
        bindText(sp.s, 3, p.ppgg);
        bindText(sp.s, 4, p.dw);
        sqlite3_bind_int64(sp.s, 5, fen(jjFen));
        sqlite3_bind_int64(sp.s, 6, p.xj);
        sqlite3_bind_int64(sp.s, 7, int64_t(qty) * Money::Scale);
        sqlite3_bind_int64(sp.s, 8, p.kcjg);
        sqlite3_bind_int64(sp.s, 9, int64_t(qty) * p.kcjg);
        sqlite3_bind_int64(sp.s, 10, r.chance(0.2) ? 1000 : 0);  // 0.1 per unit
        sqlite3_bind_int64(sp.s, 11, r.chance(0.2) ? 100 : 0);   // 1% of the amount
        sqlite3_bind_int64(sp.s, 12, r.chance(0.5) ? 1000 : (r.chance(0.6) ? 10000 : 0));
        bindText(sp.s, 13, ms);
        bindText(sp.s, 14, bz);
        bindText(sp.s, 15, p.discountable ? discount : noDiscount);
        stepDone(h, sp.s);
        products.push_back(std::move(p));
    }

    StmtGuard fx{prepare(h, "insert into xsfx (dh,rq,txm,ppgg,dw,sl,jg,je,cbjg,cbje,maoli,hybm,"
                            "hymc,jsr,bz) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")};
    std::vector<std::string> staff;
    for (int i = 0; i < 8; ++i)
        staff.push_back(personName(r));
    struct Member {
        std::string card, name;
    };
    std::vector<Member> members;
    for (int i = 0; i < 2000; ++i)
        members.push_back({std::to_string(800001 + i), personName(r)});
    const std::string walkInCard = "0", walkInName = "无卡顾客";
    const Money memberDiscount = Money::fromString(u"0.9");

    const QDate start(2023, 1, 1);
    const int days = int(start.daysTo(QDate(2024, 12, 31))) + 1;
    const int popular = std::max(1, count / 10);
    int written = 0;
    for (int d = 0; d < days; ++d) {
        const QDate day = start.addDays(d);
        const std::string rq = day.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
        const std::string ymd = day.toString(QStringLiteral("yyyyMMdd")).toStdString();
        const int todays = int(int64_t(lines) * (d + 1) / days) - written;
        int seq = 0;
        int left = 0;
        std::string dh;
        const Member* member = nullptr;
        const std::string* jsr = nullptr;
        for (int k = 0; k < todays; ++k) {
            if (left == 0) { // a new document
                char num[8];
                std::snprintf(num, sizeof num, "%04d", ++seq % 10000);
                dh = "XS" + ymd + num;
                left = r.range(1, 6);
                member = r.chance(0.6) ? nullptr : &r.pick(members);
                jsr = &r.pick(staff);
            }
            --left;
            // Most lines sell the popular tenth of the products.
            const Product& p = products[size_t(r.chance(0.7) ? r.range(0, popular - 1)
                                                             : r.range(0, count - 1))];
            const Money sl = Money(r.chance(0.02) ? -1 : (r.chance(0.6) ? 1 : r.range(2, 5)));
            Money jg = Money::fromRaw(p.xj);
            if (member && p.discountable)
                jg = (jg * memberDiscount).rounded(2);
            const Money je = sl * jg;
            const Money cbjg = Money::fromRaw(p.kcjg);
            const Money cbje = sl * cbjg;
            bindText(fx.s, 1, dh);
            bindText(fx.s, 2, rq);
            bindText(fx.s, 3, p.txm);
            bindText(fx.s, 4, p.ppgg);
            bindText(fx.s, 5, p.dw);
            sqlite3_bind_int64(fx.s, 6, sl.raw());
            sqlite3_bind_int64(fx.s, 7, jg.raw());
            sqlite3_bind_int64(fx.s, 8, je.raw());
            sqlite3_bind_int64(fx.s, 9, cbjg.raw());
            sqlite3_bind_int64(fx.s, 10, cbje.raw());
            sqlite3_bind_int64(fx.s, 11, (je - cbje).raw());
            bindText(fx.s, 12, member ? member->card : walkInCard);
            bindText(fx.s, 13, member ? member->name : walkInName);
            bindText(fx.s, 14, *jsr);
            bindText(fx.s, 15, empty);
            stepDone(h, fx.s);
        }
        written += todays;
    }
    tx.commit();
    db.exec(QStringLiteral("PRAGMA cache_size=-2000"));
    db.exec(QStringLiteral("ANALYZE"));
}

// ---------------------------------------------------------------------------------------------
// raw reading

// What a raw reader of a row must do: every column read, texts as UTF-8 and numbers as int64.
// Columns declared INTEGER (the id and every money field) are numbers.
struct RawReader {
    std::vector<char> isText;
    int64_t checksum = 0;

    void learn(sqlite3_stmt* s) {
        const int n = sqlite3_column_count(s);
        isText.assign(size_t(n), 0);
        for (int c = 0; c < n; ++c) {
            const char* t = sqlite3_column_decltype(s, c);
            isText[size_t(c)] = !(t && std::strcmp(t, "INTEGER") == 0);
        }
    }
    void readRow(sqlite3_stmt* s) {
        for (size_t c = 0; c < isText.size(); ++c) {
            if (isText[c]) {
                const unsigned char* t = sqlite3_column_text(s, int(c));
                const int n = sqlite3_column_bytes(s, int(c));
                checksum += n + (t && n > 0 ? t[0] : 0);
            } else {
                checksum += sqlite3_column_int64(s, int(c));
            }
        }
    }
    // Steps to the end; returns the number of rows.
    int readAll(sqlite3* h, sqlite3_stmt* s) {
        int rows = 0;
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            readRow(s);
            ++rows;
        }
        if (rc != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
        sqlite3_reset(s);
        return rows;
    }
};

// ---------------------------------------------------------------------------------------------
// timing

// CPU time of this thread (user and system): on a shared machine it does not count the time
// spent waiting for a core, which wall time does.
double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

struct Sample {
    double cpu;
    double wall;
};

Sample timeOnce(const std::function<void()>& f) {
    const auto w0 = SteadyClock::now();
    const double c0 = threadCpuSeconds();
    f();
    return {threadCpuSeconds() - c0, std::chrono::duration<double>(SteadyClock::now() - w0).count()};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Row {
    std::string name;
    int opsPerRep;
    // Seconds per operation, median of the repetitions.
    double ours, raw;         // thread CPU time
    double oursWall, rawWall; // wall time
    std::string check;
};

// One warm-up each, then ours and raw alternate `reps` times; the median time of one operation.
Row compare(const std::string& name, int reps, int opsPerRep, const std::function<void()>& ours,
            const std::function<void()>& raw) {
    ours();
    raw();
    std::vector<double> oc, rc, ow, rw;
    for (int i = 0; i < reps; ++i) {
        const Sample o = timeOnce(ours);
        const Sample r = timeOnce(raw);
        oc.push_back(o.cpu / opsPerRep);
        ow.push_back(o.wall / opsPerRep);
        rc.push_back(r.cpu / opsPerRep);
        rw.push_back(r.wall / opsPerRep);
    }
    return {name, opsPerRep, median(oc), median(rc), median(ow), median(rw), {}};
}

std::string cpuModel() {
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    return "unknown CPU";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options opt;
    if (!parseArgs(app.arguments(), opt)) {
        usage();
        return 2;
    }

    std::printf("shop-bench  %s  %u cores  %s  SQLite %s  Qt %s\n", cpuModel().c_str(),
                std::thread::hardware_concurrency(), QSysInfo::prettyProductName().toUtf8().constData(),
                sqlite3_libversion(), qVersion());

    QTemporaryDir temp;
    const QString folder = opt.keep.isEmpty() ? temp.path() : opt.keep;
    const bool reuse = QFile::exists(Database::filePath(folder));
    try {
        if (!reuse) {
            QDir().mkpath(folder);
            const auto t0 = SteadyClock::now();
            Database::createNew(folder);
            Database db(folder);
            if (db.open() != Database::OpenError::None)
                throw DbError(QStringLiteral("cannot open the new database"));
            generate(db, opt.products, opt.sales);
            db.close();
            std::printf("generated %d products and %d sales lines in %.1f s (%s)\n", opt.products,
                        opt.sales,
                        std::chrono::duration<double>(SteadyClock::now() - t0).count(),
                        mib(double(QFileInfo(Database::filePath(folder)).size())).c_str());
        }
    } catch (const DbError& e) {
        std::fprintf(stderr, "cannot generate the database: %s\n", e.what());
        return 1;
    }

    TDM1 dm(folder);
    if (!dm.connect()) {
        std::fprintf(stderr, "cannot connect to %s\n", qPrintable(Database::filePath(folder)));
        return 1;
    }
    Database& db = dm.db();
    Dataset& ds = *dm.AQsp1;
    sqlite3* h = db.handle();

    const int productCount = int(db.scalar(QStringLiteral("select count(*) from sp")).toLongLong());
    const int salesCount = int(db.scalar(QStringLiteral("select count(*) from xsfx")).toLongLong());
    std::printf("database %s: %d products, %d sales lines%s\n\n",
                qPrintable(Database::filePath(folder)), productCount, salesCount,
                reuse ? " (reused)" : "");

    // --- memory of the whole product list ----------------------------------------------------
    malloc_trim(0);
    const bool peakReset = resetPeak();
    const long rssBefore = statusKb("VmRSS");
    const SqlText allProducts = SqlText(QStringLiteral("SELECT * FROM sp")).add(QStringLiteral("order by id"));
    const auto tOpen = SteadyClock::now();
    ds.open(allProducts);
    const double firstOpen = std::chrono::duration<double>(SteadyClock::now() - tOpen).count();
    const long hwmOpen = statusKb("VmHWM");
    const long rssOpen = statusKb("VmRSS");
    const size_t dsBytes = ds.memoryUsage();
    const int dsRows = ds.count();
    size_t textBytes = 0;
    // What the Dataset must hold at the least: 8 bytes per number cell (id and money), an
    // 8-byte reference plus the UTF-8 bytes per text cell, 4 bytes of row order per row.
    size_t tightBytes = size_t(ds.count()) * sizeof(int);
    for (int c = 0; c < ds.columnCount(); ++c) {
        const bool number = ds.isMoneyField(c) || ds.fieldNames().value(c) == QLatin1String("id");
        for (int r = 0; r < ds.count(); ++r) {
            const qsizetype bytes = ds.text(r, c).toUtf8().size();
            textBytes += size_t(bytes);
            tightBytes += number ? 8 : 8 + size_t(bytes);
        }
    }
    const double memRatio = double(dsBytes) / double(textBytes);

    // --- timings --------------------------------------------------------------------------------
    std::vector<Row> rows;
    RawReader raw;

    // 1. the whole product list
    if (opt.only == 0 || opt.only == 1) {
        StmtGuard st{prepare(h, "SELECT * FROM sp\norder by id")};
        raw.learn(st.s);
        int rawRows = 0;
        Row row = compare(
            "1 open all products (SELECT * FROM sp order by id)", opt.reps, 1,
            [&] { ds.open(allProducts); }, [&] { rawRows = raw.readAll(h, st.s); });
        row.check = ds.count() == rawRows && rawRows == productCount ? "ok" : "ROWS DIFFER";
        rows.push_back(row);
    }

    // 2. client-side sort of the open list against the engine's ORDER BY
    if (opt.only == 0 || opt.only == 2) {
        ds.open(allProducts);
        StmtGuard st{prepare(h, "SELECT * FROM sp ORDER BY ppgg")};
        raw.learn(st.s);
        Row row = compare(
            "2 sort on ppgg: setSortOrder vs ORDER BY ppgg", opt.reps, 1,
            [&] { ds.setSortOrder(QStringLiteral("ppgg ASC")); },
            [&] { raw.readAll(h, st.s); });
        // Same order, ties included (both keep id order among equal names).
        std::vector<int64_t> rawIds;
        while (sqlite3_step(st.s) == SQLITE_ROW)
            rawIds.push_back(sqlite3_column_int64(st.s, 0));
        sqlite3_reset(st.s);
        bool same = int(rawIds.size()) == ds.count();
        for (int r = 0; same && r < ds.count(); ++r)
            same = ds.id(r) == rawIds[size_t(r)];
        row.check = same ? "ok" : "ORDER DIFFERS";
        rows.push_back(row);
        ds.setSortOrder(QString());
    }

    // 3. product lookups by code, as the sales entry does on every scan
    if (opt.only == 0 || opt.only == 3) {
        std::vector<QString> codes;
        std::vector<std::string> codesUtf8;
        {
            std::vector<std::string> all;
            StmtGuard st{prepare(h, "select txm from sp")};
            while (sqlite3_step(st.s) == SQLITE_ROW)
                all.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st.s, 0)));
            std::mt19937 gen(7);
            for (int i = 0; i < opt.lookups; ++i) {
                codesUtf8.push_back(all[gen() % all.size()]);
                codes.push_back(QString::fromStdString(codesUtf8.back()));
            }
        }
        StmtGuard st{prepare(h, "SELECT * FROM sp\nwhere txm=?")};
        raw.learn(st.s);
        int64_t oursFound = 0, rawFound = 0;
        Row row = compare(
            "3 look up a product by code (where txm=?)", opt.reps, opt.lookups,
            [&] {
                oursFound = 0;
                for (const QString& code : codes) {
                    ds.open(SqlText(QStringLiteral("SELECT * FROM sp"))
                                .add(QStringLiteral("where txm=?"), code));
                    if (ds.count() == 1)
                        oursFound += ds.text(QStringLiteral("ppgg")).isEmpty() ? 0 : 1;
                }
            },
            [&] {
                rawFound = 0;
                for (const std::string& code : codesUtf8) {
                    bindText(st.s, 1, code);
                    rawFound += raw.readAll(h, st.s);
                }
            });
        row.check = oursFound == rawFound && rawFound == opt.lookups ? "ok" : "FOUND DIFFERS";
        rows.push_back(row);
    }

    // 4. a like search over every product name
    if (opt.only == 0 || opt.only == 4) {
        const std::vector<QString> texts = {QStringLiteral("牛奶"), QStringLiteral("洗"),
                                            QStringLiteral("康师傅"), QStringLiteral("500ml"),
                                            QStringLiteral("巧克力"), QStringLiteral("不存在")};
        std::vector<std::string> patterns;
        for (const QString& t : texts)
            patterns.push_back(SqlText::contains(t).toStdString());
        StmtGuard st{prepare(h, "SELECT * FROM sp\nwhere ppgg like ?\norder by id")};
        raw.learn(st.s);
        int64_t oursHits = 0, rawHits = 0;
        Row row = compare(
            "4 like search on ppgg ('%' + text + '%')", opt.reps, int(texts.size()),
            [&] {
                oursHits = 0;
                for (const QString& t : texts) {
                    ds.open(SqlText(QStringLiteral("SELECT * FROM sp"))
                                .add(QStringLiteral("where ppgg like ?"), SqlText::contains(t))
                                .add(QStringLiteral("order by id")));
                    oursHits += ds.count();
                }
            },
            [&] {
                rawHits = 0;
                for (const std::string& p : patterns) {
                    bindText(st.s, 1, p);
                    rawHits += raw.readAll(h, st.s);
                }
            });
        char c[64];
        std::snprintf(c, sizeof c, "ok, %.0f rows/search", double(rawHits) / double(texts.size()));
        row.check = oursHits == rawHits ? c : "HITS DIFFER";
        rows.push_back(row);
    }

    // 5. totals of one month of sales lines
    if (opt.only == 0 || opt.only == 5) {
        std::vector<std::pair<QString, QString>> months;
        for (QDate m(2023, 1, 1); m <= QDate(2024, 12, 1); m = m.addMonths(1))
            months.emplace_back(m.toString(QStringLiteral("yyyy-MM-dd")),
                                m.addMonths(1).addDays(-1).toString(QStringLiteral("yyyy-MM-dd")));
        std::vector<std::pair<std::string, std::string>> monthsUtf8;
        for (const auto& [from, to] : months)
            monthsUtf8.emplace_back(from.toStdString(), to.toStdString());
        StmtGuard st{prepare(h, "SELECT sum(sl),sum(je) FROM xsfx\nwhere rq>=? and rq<=?")};
        std::vector<std::pair<int64_t, int64_t>> oursSums, rawSums;
        Row row = compare(
            "5 sum(sl),sum(je) of one month of xsfx", opt.reps, int(months.size()),
            [&] {
                oursSums.clear();
                for (const auto& [from, to] : months) {
                    const QList<Money> s =
                        db.sums(SqlText(QStringLiteral("SELECT sum(sl),sum(je) FROM xsfx"))
                                    .add(QStringLiteral("where rq>=? and rq<=?"), {from, to}));
                    oursSums.emplace_back(s.value(0).raw(), s.value(1).raw());
                }
            },
            [&] {
                rawSums.clear();
                for (const auto& [from, to] : monthsUtf8) {
                    bindText(st.s, 1, from);
                    bindText(st.s, 2, to);
                    if (sqlite3_step(st.s) == SQLITE_ROW)
                        rawSums.emplace_back(sqlite3_column_int64(st.s, 0),
                                             sqlite3_column_int64(st.s, 1));
                    sqlite3_reset(st.s);
                }
            });
        char c[64];
        std::snprintf(c, sizeof c, "ok, %.0f lines/month",
                      double(salesCount) / double(months.size()));
        row.check = oursSums == rawSums && !rawSums.empty() ? c : "SUMS DIFFER";
        rows.push_back(row);
    }

    // --- report ---------------------------------------------------------------------------------
    std::printf("%-52s %10s %10s %6s %6s  %s\n", "operation (median of reps, CPU time)",
                "ours/op", "raw/op", "ratio", "wall", "check");
    std::printf("%s\n", std::string(104, '-').c_str());
    bool allMet = true;
    for (const Row& r : rows) {
        const double ratio = r.ours / r.raw;
        allMet = allMet && ratio <= 3.0;
        std::printf("%-52s %10s %10s %6.2f %6.2f  %s%s\n", r.name.c_str(), duration(r.ours).c_str(),
                    duration(r.raw).c_str(), ratio, r.oursWall / r.rawWall, r.check.c_str(),
                    ratio <= 3.0 ? "" : "  (ratio above 3)");
    }
    std::printf("(reps %d; ops per rep: 1, 1, %d lookups, 6 searches, 24 months)\n\n", opt.reps,
                opt.lookups);

    std::printf("memory of the Dataset of all %d products\n", dsRows);
    std::printf("  Dataset::memoryUsage()                 %12s\n", mib(double(dsBytes)).c_str());
    std::printf("  rows' text (UTF-8 bytes, grid form)    %12s\n", mib(double(textBytes)).c_str());
    std::printf("  ratio                                  %12.2f  %s\n", memRatio,
                memRatio <= 3.0 ? "" : "(above 3)");
    std::printf("  of it the cells alone (no growth room) %12s\n", mib(double(tightBytes)).c_str());
    std::printf("  VmRSS before the first open            %12s\n", mib(rssBefore * 1024.0).c_str());
    std::printf("  VmHWM after the first open             %12s  (+%s%s)\n",
                mib(hwmOpen * 1024.0).c_str(), mib((hwmOpen - rssBefore) * 1024.0).c_str(),
                peakReset ? "" : "; peak not reset, includes the generation");
    std::printf("  VmRSS after the first open             %12s  (+%s)\n",
                mib(rssOpen * 1024.0).c_str(), mib((rssOpen - rssBefore) * 1024.0).c_str());
    std::printf("  first open (cold)                      %12s\n", duration(firstOpen).c_str());
    std::printf("  VmHWM at the end of the run            %12s\n\n",
                mib(statusKb("VmHWM") * 1024.0).c_str());

    const bool ok = allMet && memRatio <= 3.0;
    std::printf("targets (every ratio <= 3, Dataset memory <= 3x its rows' text): %s\n",
                ok ? "met" : "MISSED");
    return 0;
}
