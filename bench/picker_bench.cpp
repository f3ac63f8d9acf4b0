// picker-bench: how long one keystroke takes in the product picker on a large product table.
//
// Generates N products (100,000 by default) in a temporary folder, opens the modal product
// picker TFsp2 offscreen and types into its search boxes one character at a time, as a person
// does. Each keystroke is timed from the box's text change to the grid painted with the new rows
// (the query on the shared dataset, the model reset, the grid's relayout and one repaint). The
// same statement stepped through raw SQLite (reading every column) is the floor it is compared
// with.
//
//   picker-bench [--products N] [--reps N] [--keep DIR]
//
// --keep DIR reuses the database in DIR (generating it there first when there is none).

#include "core/Money.h"
#include "data/DM1.h"
#include "data/Database.h"
#include "data/Dataset.h"
#include "data/ui/DatasetView.h"
#include "data/ui/PickerPanel.h"
#include "masterdata/ui/TFsp2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// CPU time of this thread: what a keystroke costs, whatever else the machine is running.
double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

struct Words {
    std::vector<const char*> brands{"康师傅", "统一", "蒙牛", "伊利", "农夫山泉", "可口可乐",
                                    "三只松鼠", "良品铺子", "金龙鱼", "海天", "立白", "蓝月亮",
                                    "得力", "晨光", "美的", "九阳", "青岛", "雪花"};
    std::vector<const char*> kinds{"红烧牛肉", "老坛酸菜", "高钙", "低脂", "原味", "香辣",
                                   "柠檬", "薰衣草", "加厚", "纯棉", "经典", "无糖"};
    std::vector<const char*> nouns{"方便面", "纯牛奶", "矿泉水", "可乐", "坚果", "薯片",
                                   "花生油", "酱油", "洗衣液", "牙膏", "中性笔", "电饭煲", "啤酒"};
    std::vector<const char*> specs{"120g", "5连包", "250ml×12", "500ml", "1.5L", "5L", "2kg",
                                   "3层×120抽", "0.5mm", "4L", "330ml×24"};
    std::vector<const char*> units{"袋", "桶", "瓶", "盒", "箱", "包", "支", "个"};
    std::vector<const char*> categories{"方便食品", "乳品饮料", "休闲零食", "粮油调味",
                                        "日用百货", "文具", "家居电器", "烟酒"};
};

void generate(Database& db, int count) {
    std::mt19937_64 gen(20240501);
    auto pick = [&](const std::vector<const char*>& v) {
        return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(gen)];
    };
    const Words w;
    sqlite3* h = db.handle();
    Transaction tx(db);
    for (const char* c : w.categories)
        db.exec(QStringLiteral("insert into lb (lb) values(?)"), {QString::fromUtf8(c)});
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(h,
                       "insert into sp (lb,txm,ppgg,dw,jj,xj,kcsl,kcjg,kcje,slt,jet,jfjs,ms,bz,"
                       "ztbj) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       -1, &s, nullptr);
    std::uniform_int_distribution<int> digit(0, 9), fen(50, 20000), qty(0, 300);
    for (int i = 0; i < count; ++i) {
        std::string code = "69";
        for (int k = 0; k < 11; ++k)
            code += char('0' + digit(gen));
        const std::string name =
            std::string(pick(w.brands)) + pick(w.kinds) + pick(w.nouns) + pick(w.specs);
        const int price = fen(gen), q = qty(gen);
        auto text = [&](int at, const std::string& v) {
            sqlite3_bind_text(s, at, v.data(), int(v.size()), SQLITE_TRANSIENT);
        };
        text(1, pick(w.categories));
        text(2, code);
        text(3, name);
        text(4, pick(w.units));
        sqlite3_bind_int64(s, 5, int64_t(price) * 100);
        sqlite3_bind_int64(s, 6, int64_t(price) * 130);
        sqlite3_bind_int64(s, 7, int64_t(q) * Money::Scale);
        sqlite3_bind_int64(s, 8, int64_t(price) * 100);
        sqlite3_bind_int64(s, 9, int64_t(q) * price * 100);
        sqlite3_bind_int64(s, 10, 0);
        sqlite3_bind_int64(s, 11, 0);
        sqlite3_bind_int64(s, 12, 1000);
        text(13, i % 5 == 0 ? "热销" : "");
        text(14, "");
        text(15, i % 10 == 0 ? "不打折" : "打折");
        if (sqlite3_step(s) != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    tx.commit();
}

// The picker's statement through raw SQLite: step every row and read every column. Returns
// its CPU time.
double rawQuery(Database& db, const QString& name, const QString& code, int* rows) {
    const double t0 = cpuMs();
    sqlite3* h = db.handle();
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(h, "SELECT * FROM sp\nwhere ppgg like ?\nand txm like ?\norder by id", -1,
                       &s, nullptr);
    const QByteArray a = ('%' + name + '%').toUtf8(), b = ('%' + code + '%').toUtf8();
    sqlite3_bind_text(s, 1, a.constData(), int(a.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    int n = 0;
    const int cols = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            if (sqlite3_column_type(s, c) == SQLITE_TEXT)
                (void)sqlite3_column_text(s, c);
            else
                (void)sqlite3_column_int64(s, c);
        }
        ++n;
    }
    sqlite3_finalize(s);
    *rows = n;
    return cpuMs() - t0;
}

struct Keystroke {
    QString label;
    QString beforeName, beforeCode; // the boxes before the keystroke
    QString name, code;             // and after it
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int products = 100000, reps = 5;
    QString keep;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--products"))
            products = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--reps"))
            reps = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--keep"))
            keep = args[i + 1];
    }
    QTemporaryDir tmp;
    const QString folder = keep.isEmpty() ? tmp.path() : keep;
    const bool fresh = Database::createNew(folder);
    TDM1 dm(folder);
    if (!dm.connect()) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(folder));
        return 1;
    }
    auto t0 = Clock::now();
    if (fresh) {
        generate(dm.db(), products);
        std::printf("generated %d products in %.1f s\n\n", products, msSince(t0) / 1000);
    } else {
        std::printf("using the database in %s\n\n", qPrintable(folder));
    }

    TFsp2 picker(dm, QStringLiteral("tjcg"), nullptr);
    picker.resize(1000, 600);
    t0 = Clock::now();
    const double showCpu = cpuMs();
    picker.show();
    QApplication::processEvents();
    std::printf("picker shown with every product listed: %.1f ms CPU (%.1f ms wall)\n\n",
                cpuMs() - showCpu, msSince(t0));

    QLineEdit* nameBox = picker.panel()->box1();
    QLineEdit* codeBox = picker.panel()->box2();
    DatasetView* grid = picker.panel()->grid();
    Dataset& sp = picker.dataset();

    // Typing a name, clearing it, then typing a code (every code starts with "69", so its first
    // two keystrokes list every product: the worst case).
    std::vector<Keystroke> keys;
    const QString name = QStringLiteral("康师傅红烧牛肉方便面");
    for (int i = 1; i <= name.size(); ++i)
        keys.push_back({QStringLiteral("name +") + name.mid(i - 1, 1), name.left(i - 1), {},
                        name.left(i), {}});
    for (int i = name.size() - 1; i >= 0; --i)
        keys.push_back({QStringLiteral("name Backspace"), name.left(i + 1), {}, name.left(i), {}});
    const QString code = QStringLiteral("6912345");
    for (int i = 1; i <= code.size(); ++i)
        keys.push_back({QStringLiteral("code +") + code.mid(i - 1, 1), {}, code.left(i - 1), {},
                        code.left(i)});

    std::printf("CPU time per keystroke (median of %d); wall time depends on the machine's load\n",
                reps);
    std::printf("%-18s %8s %10s %10s %10s %7s %10s\n", "keystroke", "rows", "raw ms", "open ms",
                "total ms", "ratio", "wall ms");
    std::vector<double> allTotals;
    double worst = 0;
    for (const Keystroke& k : keys) {
        std::vector<double> opens, totals, raws, walls;
        int rows = 0, rawRows = 0;
        for (int r = 0; r < reps; ++r) {
            // Start each repetition from the text before the keystroke.
            nameBox->blockSignals(true);
            codeBox->blockSignals(true);
            nameBox->setText(k.beforeName);
            codeBox->setText(k.beforeCode);
            nameBox->blockSignals(false);
            codeBox->blockSignals(false);

            raws.push_back(rawQuery(dm.db(), k.name, k.code, &rawRows));

            double openMs = 0, openStart = 0;
            auto conn = QObject::connect(&sp, &QAbstractItemModel::modelAboutToBeReset,
                                         [&] { openStart = cpuMs(); });
            auto conn2 = QObject::connect(&sp, &Dataset::opened,
                                          [&] { openMs = cpuMs() - openStart; });
            const auto start = Clock::now();
            const double cpuStart = cpuMs();
            if (k.code != k.beforeCode)
                codeBox->setText(k.code);
            else
                nameBox->setText(k.name);
            grid->viewport()->repaint();
            totals.push_back(cpuMs() - cpuStart);
            walls.push_back(msSince(start));
            QObject::disconnect(conn);
            QObject::disconnect(conn2);
            opens.push_back(openMs);
            rows = sp.count();
        }
        const double total = median(totals);
        allTotals.push_back(total);
        worst = std::max(worst, *std::max_element(totals.begin(), totals.end()));
        std::printf("%-18s %8d %10.1f %10.1f %10.1f %7.2f %10.1f\n", qPrintable(k.label), rows,
                    median(raws), median(opens), total, total / std::max(0.01, median(raws)),
                    median(walls));
        if (rows != rawRows)
            std::printf("  row count differs from the raw query (%d)\n", rawRows);
    }
    std::printf("\nCPU per keystroke: median %.1f ms, slowest keystroke (median) %.1f ms, slowest single "
                "%.1f ms\n",
                median(allTotals), *std::max_element(allTotals.begin(), allTotals.end()), worst);
    return 0;
}
