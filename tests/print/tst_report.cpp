#include "data/DM1.h"
#include "data/Dataset.h"
#include "data/ui/DialogRunner.h"
#include "print/PrintForms.h"
#include "print/ui/ReportEngine.h"
#include "print/ui/ReportPageView.h"
#include "print/ui/TFdyPreview1.h"
#include "support/MessageRecorder.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Purchase lines: codes "C0001".., names "商品0001"..; quantities 1, 2, 3 ...
void addPurchases(TestDatabase& t, int n, const QString& longName = {}) {
    Transaction tx(t.db());
    for (int i = 1; i <= n; ++i) {
        const QString code = QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0'));
        const QString name = i == 1 && !longName.isEmpty()
                                 ? longName
                                 : QStringLiteral("商品%1").arg(i, 4, 10, QLatin1Char('0'));
        t.db().exec(QStringLiteral("insert into cgfx (rq,ghs,txm,ppgg,dw,sl,jg,je,jsr,shbj) "
                                   "values(?,?,?,?,?,?,?,?,?,?)"),
                    {QStringLiteral("2010-05-04"), QStringLiteral("甲厂"), code, name,
                     QStringLiteral("个"), QVariant::fromValue(Money::fromRaw(i * Money::Scale)),
                     QVariant::fromValue(Money::fromString(u"3.5")),
                     QVariant::fromValue(Money::fromRaw(i * 35000)), QStringLiteral("张三"),
                     QStringLiteral("已审核")});
    }
    tx.commit();
}

Report purchaseReport(TestDatabase& t, int n) {
    addPurchases(t, n);
    Dataset& ds = *t.dm().AQcgfx1;
    ds.open(SqlText({QStringLiteral("SELECT * FROM cgfx"), QStringLiteral("order by id")}, {}));
    return Report::fromDataset(PrintForms::form(QStringLiteral("TFdycgfx1")), ds,
                               QStringLiteral("我的小店采购明细表"),
                               {QStringLiteral("7260"), QStringLiteral("25410")});
}

// The text of each page of a PDF, compatibility characters folded (the extractor may give a
// radical for an ideograph of the same shape) and blanks removed.
QStringList pdfPages(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text = text.normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("[ \\t\\r\\n]")));
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().isEmpty())
        pages.removeLast();
    return pages;
}

QString folded(const QString& s) {
    QString t = s.normalized(QString::NormalizationForm_KC);
    t.remove(u' ');
    return t;
}

bool renderPdf(ReportDocument& doc, const QString& path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    return doc.print(pdf);
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // --- The forms as data ------------------------------------------------------------------

    void sharedFormsPickTheirReport_data();
    void sharedFormsPickTheirReport();
    void formLookup();

    // --- Filling a form from a list -----------------------------------------------------------

    void reportTakesTheListAsShown();
    void reportRefusesAFieldTheListLacks();
    void headingIsPrintHeadingThenTitle();

    // --- Pagination ----------------------------------------------------------------------------

    void paginationCoversEveryRowOnce_data();
    void paginationCoversEveryRowOnce();
    void paginationInSlicesEqualsAtOnce();
    void pagesAreCountedOnlyWhenFinished();
    void longTextsWrapUpToThreeLines();
    void newPageLayoutRepaginates();

    // --- Printed pages -------------------------------------------------------------------------

    void pdfCarriesHeadingsCaptionsTotalsAndPageNumbers();
    void pdfBlankColumnAndSpacedSummary();

    // --- The preview window ----------------------------------------------------------------------

    void previewPagesAndStatus();
    void previewMenusAndTitle();
    void previewWithoutPrinterWarns_data();
    void previewWithoutPrinterWarns();
    void previewExportsPdf();
    void previewShowsFirstPageBeforeLayoutEnds();
    void previewEscCloses();
    void printListFillsFormFromTheList();
};

void TestReport::sharedFormsPickTheirReport_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("totals");

    QTest::newRow("payables") << "TFdyyffx1" << "采购应付明细表"
                              << QStringList{"rq", "dh", "ghs", "qk", "jsr"}
                              << QStringList{"日期", "单号", "厂商", "应付款", "经办人"}
                              << QStringList{"qk"};
    QTest::newRow("receivables") << "TFdyyffx1" << "销售应收明细表"
                                 << QStringList{"rq", "dh", "hymc", "qk", "jsr"}
                                 << QStringList{"日期", "单号", "顾客", "应收款", "经办人"}
                                 << QStringList{"qk"};
    QTest::newRow("payments") << "TFdyfkfx1" << "采购付款明细表"
                              << QStringList{"rq", "dh", "ghs", "je", "jsr"}
                              << QStringList{"日期", "单号", "厂商", "付款", "经办人"}
                              << QStringList{"je"};
    QTest::newRow("receipts") << "TFdyfkfx1" << "销售收款明细表"
                              << QStringList{"rq", "dh", "hymc", "je", "jsr"}
                              << QStringList{"日期", "单号", "顾客", "收款", "经办人"}
                              << QStringList{"je"};
    QTest::newRow("gifts") << "TFdyzp1" << "赠品库存表"
                           << QStringList{"txm", "ppgg", "dw", "sl", "jfjs"}
                           << QStringList{"编码", "赠品名称", "单位", "库存数量", "所需积分"}
                           << QStringList{"sl"};
    QTest::newRow("stock without prices")
        << "TFdyzp1" << "商品库存表" << QStringList{"txm", "ppgg", "dw", "kcsl", "xj"}
        << QStringList{"编码", "商品名称", "单位", "库存数量", "销售单价"} << QStringList{"kcsl"};
    QTest::newRow("sales detail") << "TFdycgfx1" << "销售明细表"
                                  << QStringList{"rq", "txm", "ppgg", "dw", "sl", "jg", "je"}
                                  << QStringList{"日期", "编码", "商品名称", "单位", "数量", "单价", "金额"}
                                  << QStringList{"sl", "je"};
}

void TestReport::sharedFormsPickTheirReport() {
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, totals);

    // Whatever was printed before on the same form.
    for (const QString& other : PrintForms::titles(form))
        PrintForms::form(form, other).setCaption(fields[2], QStringLiteral("X"));
    const PrintForm f = PrintForms::form(form, title);
    QStringList gotFields, gotCaptions;
    for (const PrintColumn& c : f.columns) {
        gotFields << c.field;
        gotCaptions << c.caption;
    }
    QCOMPARE(f.name, form);
    QCOMPARE(f.title, title);
    QCOMPARE(gotFields, fields);
    QCOMPARE(gotCaptions, captions);
    QCOMPARE(f.totalFields, totals);
    QCOMPARE(f.summaryCaption, QStringLiteral("总计"));
}

void TestReport::formLookup() {
    QCOMPARE(PrintForms::names().size(), 14);
    QVERIFY(!PrintForms::names().contains(QStringLiteral("TFdyxsd1")));
    QCOMPARE(PrintForms::titles(QStringLiteral("TFdycgfx1")),
             (QStringList{"采购明细表", "其他入库明细表", "其他出库明细表", "销售明细表"}));
    QVERIFY(!PrintForms::find(QStringLiteral("TFdynone1")));
    QVERIFY(!PrintForms::find(QStringLiteral("TFdysp1"), QStringLiteral("会员信息表")));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, PrintForms::form(QStringLiteral("TFdynone1")));
    // No title: the form's first report.
    QCOMPARE(PrintForms::form(QStringLiteral("TFdyyffx1")).title, QStringLiteral("采购应付明细表"));
    // The statistics forms' summary has two ideographic spaces; master-data lists have none.
    QCOMPARE(PrintForms::form(QStringLiteral("TFdyxstj1")).summaryCaption,
             QStringLiteral("总　　计"));
    QCOMPARE(PrintForms::form(QStringLiteral("TFdycgtj1")).summaryCaption,
             QStringLiteral("总　　计"));
    QVERIFY(!PrintForms::form(QStringLiteral("TFdysp1")).hasSummary());
    QCOMPARE(PrintForms::form(QStringLiteral("TFdyxstj2")).totalFields,
             (QStringList{"sltc", "jetc", "ztc"}));
}

void TestReport::reportTakesTheListAsShown() {
    TestDatabase t;
    addPurchases(t, 12);
    Dataset& ds = *t.dm().AQcgfx1;
    // A search, then a title-click sort: only the rows found, in the sorted order.
    ds.open(SqlText({QStringLiteral("SELECT * FROM cgfx"), QStringLiteral("where ppgg like ?"),
                     QStringLiteral("order by id")},
                    {QStringLiteral("%商品001%")}));
    ds.setSortOrder(QStringLiteral("sl DESC"));
    const Report r = Report::fromDataset(PrintForms::form(QStringLiteral("TFdycgfx1")), ds,
                                         QStringLiteral("H"), {QStringLiteral("33")});
    QCOMPARE(r.rows.size(), 3);
    QCOMPARE(r.rows[0], (QStringList{"2010-05-04", "C0012", "商品0012", "个", "12.00", "3.50",
                                     "42.00"}));
    QCOMPARE(r.rows[2][1], QStringLiteral("C0010"));
    QCOMPARE(r.totals, QStringList{"33"});

    // A blank column needs no field in the list.
    PrintForm grouped;
    grouped.columns = {PrintColumn{QStringLiteral("ppgg"), QStringLiteral("商品名称")},
                       PrintColumn{QStringLiteral("fenzu"), QStringLiteral("分组")}};
    grouped.setBlank(QStringLiteral("fenzu"), true);
    const Report blank = Report::fromDataset(grouped, ds, QString(), {});
    QCOMPARE(blank.rows[0], (QStringList{"商品0012", QString()}));
}

void TestReport::reportRefusesAFieldTheListLacks() {
    TestDatabase t;
    Dataset& ds = *t.dm().AQcgfx1;
    ds.open();
    QVERIFY_THROWS_EXCEPTION(DbError, Report::fromDataset(PrintForms::form(QStringLiteral("TFdysp1")),
                                                          ds, QString(), {}));
    // A closed list gives no rows rather than failing.
    ds.close();
    QCOMPARE(Report::fromDataset(PrintForms::form(QStringLiteral("TFdycgfx1")), ds, QString(), {})
                 .rows.size(),
             0);
}

void TestReport::headingIsPrintHeadingThenTitle() {
    TestDatabase t;
    t.db().exec(QStringLiteral("update danwei set mcdy=?"), {QStringLiteral(" 新 店 ")});
    t.dm().ATdanwei1->close(); // the heading reopens the shop row
    QCOMPARE(PrintForms::heading(t.dm(), QStringLiteral("商品价格表")),
             QStringLiteral(" 新 店 商品价格表"));
}

void TestReport::paginationCoversEveryRowOnce_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("rows");
    QTest::newRow("120 rows with summary") << "TFdycgfx1" << 120;
    QTest::newRow("one row") << "TFdycgfx1" << 1;
    QTest::newRow("empty list still prints a page") << "TFdycgfx1" << 0;
    QTest::newRow("no summary band") << "TFdysp1" << 97;
}

void TestReport::paginationCoversEveryRowOnce() {
    QFETCH(QString, form);
    QFETCH(int, rows);
    Report r;
    r.form = PrintForms::form(form);
    for (int i = 0; i < rows; ++i) {
        QStringList texts;
        for (int c = 0; c < r.form.columns.size(); ++c)
            texts << QStringLiteral("r%1").arg(i);
        r.rows << texts;
    }
    ReportDocument doc(r);
    QVERIFY(doc.paginate());
    QVERIFY(doc.pageCount() >= 1);
    int next = 0;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const ReportDocument::Page page = doc.page(p);
        QCOMPARE(page.firstRow, next);
        next += page.rowCount;
        QCOMPARE(page.summary, r.form.hasSummary() && p == doc.pageCount() - 1);
        // Uniform rows: every full page holds the same number, a plausible one for A4 at 10 pt.
        if (p + 1 < doc.pageCount() && page.rowCount > 0) {
            QCOMPARE(page.rowCount, doc.page(0).rowCount);
            QVERIFY2(page.rowCount >= 35 && page.rowCount <= 55, qPrintable(QString::number(page.rowCount)));
        }
    }
    QCOMPARE(next, rows);
    if (rows == 120)
        QVERIFY(doc.pageCount() >= 3);
    // A page without rows only ever carries the summary that did not fit.
    for (int p = 1; p < doc.pageCount(); ++p)
        QVERIFY(doc.page(p).rowCount > 0 || doc.page(p).summary);

    // Exactly a page full: the summary moves to a page of its own; without summary no empty page.
    if (rows > doc.page(0).rowCount) {
        const int perPage = doc.page(0).rowCount;
        r.rows = r.rows.mid(0, perPage);
        ReportDocument full(r);
        full.paginate();
        QCOMPARE(full.page(0).rowCount, perPage);
        QCOMPARE(full.pageCount(), r.form.hasSummary() ? 2 : 1);
    }
}

void TestReport::paginationInSlicesEqualsAtOnce() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdyghs1"));
    for (int i = 0; i < 300; ++i)
        r.rows << QStringList{QStringLiteral("厂%1").arg(i), QStringLiteral("李"), QString(),
                              i % 7 == 0 ? QString(60, QChar(u'路')) : QStringLiteral("北京")};
    ReportDocument whole(r), sliced(r);
    whole.paginate();
    while (!sliced.paginate(7)) {
    }
    QCOMPARE(sliced.pageCount(), whole.pageCount());
    for (int p = 0; p < whole.pageCount(); ++p) {
        QCOMPARE(sliced.page(p).firstRow, whole.page(p).firstRow);
        QCOMPARE(sliced.page(p).rowCount, whole.page(p).rowCount);
    }
}

void TestReport::pagesAreCountedOnlyWhenFinished() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    for (int i = 0; i < 500; ++i)
        r.rows << QStringList{QStringLiteral("%1").arg(i), "a", "b", "c", "1.00"};
    ReportDocument doc(r);
    QVERIFY(!doc.paginate(10));
    QCOMPARE(doc.pageCount(), 0); // the first page may still take rows
    QVERIFY(!doc.paginate(100));
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(doc.rowsLaidOut(), 110);
    QVERIFY(doc.paginate());
    QVERIFY(doc.isComplete());
    QCOMPARE(doc.page(doc.pageCount() - 1).firstRow + doc.page(doc.pageCount() - 1).rowCount, 500);
}

void TestReport::longTextsWrapUpToThreeLines() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    r.rows << QStringList{"1", "a", "短名", "个", "1.00"}
           << QStringList{"2", "a", QString(40, QChar(u'长')), "个", "1.00"}
           << QStringList{"3", "a", QString(400, QChar(u'长')), "个", "1.00"}
           << QStringList{"4", "a", QStringLiteral("第一行\n第二行"), "个", "1.00"};
    ReportDocument doc(r);
    doc.paginate();
    const double one = doc.rowHeight(0);
    QVERIFY(doc.rowHeight(1) > one);
    QVERIFY(doc.rowHeight(2) > doc.rowHeight(1));
    QVERIFY(doc.rowHeight(2) < 3.5 * one); // cut at three lines
    QVERIFY(doc.rowHeight(3) > one && doc.rowHeight(3) < doc.rowHeight(2));
}

void TestReport::newPageLayoutRepaginates() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    for (int i = 0; i < 200; ++i)
        r.rows << QStringList{QString::number(i), "a", "b", "c", "1.00"};
    ReportDocument doc(r);
    doc.paginate();
    const int portrait = doc.page(0).rowCount;
    QPageLayout landscape = ReportDocument::defaultPageLayout();
    landscape.setOrientation(QPageLayout::Landscape);
    doc.setPageLayout(landscape);
    QVERIFY(!doc.isComplete());
    doc.paginate();
    QVERIFY(doc.page(0).rowCount < portrait);
    QVERIFY(doc.paperSize().width() > doc.paperSize().height());
}

void TestReport::pdfCarriesHeadingsCaptionsTotalsAndPageNumbers() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    TestDatabase t;
    ReportDocument doc(purchaseReport(t, 120));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    QVERIFY(renderPdf(doc, path));
    const QStringList pages = pdfPages(path);
    QCOMPARE(pages.size(), doc.pageCount());
    QVERIFY(pages.size() >= 3);
    for (int p = 0; p < pages.size(); ++p) {
        const QString& text = pages[p];
        QVERIFY2(text.startsWith(folded(QStringLiteral("我的小店采购明细表"))), qPrintable(text.left(40)));
        QVERIFY(text.contains(folded(QStringLiteral("日期编码商品名称单位数量单价金额"))));
        QVERIFY(text.endsWith(folded(QStringLiteral("（%1）").arg(p + 1))));
        const bool last = p == pages.size() - 1;
        QCOMPARE(text.contains(folded(QStringLiteral("总计"))), last);
        QCOMPARE(text.contains(QStringLiteral("7260")) && text.contains(QStringLiteral("25410")), last);
        // The rows of this page, in order.
        const ReportDocument::Page page = doc.page(p);
        const QString first = QStringLiteral("C%1").arg(page.firstRow + 1, 4, 10, QLatin1Char('0'));
        const QString row = first + folded(QStringLiteral("商品")) + first.mid(1) + folded(QStringLiteral("个"));
        QVERIFY2(text.contains(row), qPrintable(row + QStringLiteral(" in ") + text.left(200)));
    }
    QVERIFY(pages.last().contains(QStringLiteral("C0120") + folded(QStringLiteral("商品0120个")) +
                                  QStringLiteral("120.003.50420.00")));
}

void TestReport::pdfBlankColumnAndSpacedSummary() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdyxstj1"));
    r.heading = QStringLiteral("我的小店销售统计表");
    r.rows << QStringList{"可乐", "瓶", "3", "7.5", "张三"} << QStringList{"雪碧", "瓶", "2", "5", "李四"};
    r.totals = QStringList{"5", "12.5"};
    QTemporaryDir dir;

    PrintForm grouped = r.form;
    grouped.setCaption(QStringLiteral("fenzu"), QStringLiteral("经办人"));
    Report g = r;
    g.form = grouped;
    ReportDocument shown(g);
    QVERIFY(renderPdf(shown, dir.filePath(QStringLiteral("g.pdf"))));
    const QString withGroup = pdfPages(dir.filePath(QStringLiteral("g.pdf"))).value(0);
    QVERIFY(withGroup.contains(folded(QStringLiteral("商品名称单位销售数量销售金额经办人"))));
    QVERIFY(withGroup.contains(folded(QStringLiteral("可乐瓶37.5张三"))));
    QVERIFY(withGroup.contains(folded(QStringLiteral("总　　计512.5"))));

    r.form.setBlank(QStringLiteral("fenzu"), true);
    ReportDocument hidden(r);
    QVERIFY(renderPdf(hidden, dir.filePath(QStringLiteral("h.pdf"))));
    const QString withoutGroup = pdfPages(dir.filePath(QStringLiteral("h.pdf"))).value(0);
    QVERIFY(!withoutGroup.contains(folded(QStringLiteral("分组"))));
    QVERIFY(!withoutGroup.contains(folded(QStringLiteral("张三"))));
    QVERIFY(withoutGroup.contains(folded(QStringLiteral("雪碧瓶25"))));
}

void TestReport::previewPagesAndStatus() {
    TestDatabase t;
    TFdyPreview1 w(purchaseReport(t, 120));
    w.show();
    w.finishLayout();
    const int m = w.pageCount();
    QVERIFY(m >= 3);
    auto* panel = w.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    QVERIFY(panel);
    auto press = [&](const char* name) {
        auto* b = w.findChild<QToolButton*>(QString::fromLatin1(name));
        QVERIFY(b);
        b->click();
    };
    const QString status = QStringLiteral(" 第 %1 页 共 %2 页");
    QCOMPARE(panel->text(), status.arg(1).arg(m));
    press("SB2"); // 上页 on page 1 stays there
    QCOMPARE(w.currentPage(), 1);
    press("SB3");
    QCOMPARE(w.currentPage(), 2);
    QCOMPARE(panel->text(), status.arg(2).arg(m));
    press("SB4");
    QCOMPARE(w.currentPage(), m);
    QCOMPARE(panel->text(), status.arg(m).arg(m));
    press("SB3"); // 下页 on the last page stays there
    QCOMPARE(w.currentPage(), m);
    press("SB2");
    QCOMPARE(w.currentPage(), m - 1);
    press("SB1");
    QCOMPARE(w.currentPage(), 1);
    QCOMPARE(panel->text(), status.arg(1).arg(m));

    // Each zoom keeps the page shown.
    press("SB4");
    for (auto zoom : {&TFdyPreview1::zoomWholePage, &TFdyPreview1::zoomPageWidth,
                      &TFdyPreview1::zoomHalf, &TFdyPreview1::zoomActualSize}) {
        (w.*zoom)();
        QCOMPARE(w.currentPage(), m);
    }
}

void TestReport::previewMenusAndTitle() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    TFdyPreview1 w(r);
    QCOMPARE(w.windowTitle(), QStringLiteral("打印预览"));
    QStringList buttons;
    for (const char* name : {"SB1", "SB2", "SB3", "SB4", "SB6", "SB7", "SB5", "SB8"})
        buttons << w.findChild<QToolButton*>(QString::fromLatin1(name))->text();
    QCOMPARE(buttons, (QStringList{"首页", "上页", "下页", "尾页", "设置", "打印", "缩放", "关闭"}));
    QMenu* zoom = w.findChild<QToolButton*>(QStringLiteral("SB5"))->menu();
    QVERIFY(zoom);
    QStringList items;
    for (QAction* a : zoom->actions())
        items << a->text();
    QCOMPARE(items, (QStringList{"缩放—全屏", "缩放—页宽", "缩放—100%（实际打印效果）", "缩放—50%"}));
    QCOMPARE(w.view()->zoomMode(), ReportPageView::Zoom::Percent); // opens at 100 %
    zoom->actions()[0]->trigger();
    QCOMPARE(w.view()->zoomMode(), ReportPageView::Zoom::WholePage);
    QStringList context;
    for (QAction* a : w.view()->actions())
        context << a->text();
    QCOMPARE(context, (QStringList{"打印", "设置", "关闭"}));
    // An empty list still has its page.
    QCOMPARE(w.pageCount(), 1);
    QCOMPARE(w.statusText(), QStringLiteral(" 第 1 页 共 1 页"));
}

void TestReport::previewWithoutPrinterWarns_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("设置") << "SB6";
    QTest::newRow("打印") << "SB7";
}

void TestReport::previewWithoutPrinterWarns() {
    QFETCH(QString, button);
    MessageRecorder rec;
    TFdyPreview1::setPrinterCheck([] { return false; });
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    TFdyPreview1 w(r);
    w.show();
    w.findChild<QToolButton*>(button)->click();
    TFdyPreview1::setPrinterCheck({});
    QCOMPARE(rec.boxes.size(), 1);
    QCOMPARE(rec.boxes[0].caption, QStringLiteral("警告"));
    QCOMPARE(rec.boxes[0].text, QStringLiteral("找不到打印机，请安装打印机！"));
    QCOMPARE(int(rec.boxes[0].icon), int(Messages::Icon::Warning));
    QVERIFY(w.isVisible());
}

void TestReport::previewExportsPdf() {
    TestDatabase t;
    MessageRecorder rec;
    TFdyPreview1 w(purchaseReport(t, 60));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("导出"));
    rec.files << path;
    w.exportPdf();
    QCOMPARE(rec.fileDialogs.size(), 1);
    QVERIFY(rec.fileDialogs[0].directory.endsWith(QStringLiteral("我的小店采购明细表.pdf")));
    QVERIFY(rec.boxes.isEmpty());
    QVERIFY(QFileInfo(path + QStringLiteral(".pdf")).size() > 0);
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QCOMPARE(pdfPages(path + QStringLiteral(".pdf")).size(), w.pageCount());

    // Cancelled: nothing written, nothing said. Unwritable: an error.
    w.exportPdf();
    QVERIFY(rec.boxes.isEmpty());
    rec.files << dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    w.exportPdf();
    QCOMPARE(rec.boxes.size(), 1);
    QCOMPARE(int(rec.boxes[0].icon), int(Messages::Icon::Error));
}

void TestReport::previewShowsFirstPageBeforeLayoutEnds() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdycgfx1"));
    r.totals = QStringList{"1", "2"};
    for (int i = 0; i < 2000; ++i)
        r.rows << QStringList{"2010-05-04", QString::number(i), "名称", "个", "1.00", "1.00", "1.00"};
    TFdyPreview1 w(r);
    QVERIFY(w.pageCount() >= 1);
    QVERIFY(!w.document().isComplete());
    const int early = w.pageCount();
    auto* panel = w.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    QTRY_VERIFY(w.document().isComplete());
    QVERIFY(w.pageCount() > early);
    QCOMPARE(panel->text(), QStringLiteral(" 第 1 页 共 %1 页").arg(w.pageCount()));
}

void TestReport::previewEscCloses() {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdysp1"));
    TFdyPreview1 w(r);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(w.view(), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void TestReport::printListFillsFormFromTheList() {
    TestDatabase t;
    addPurchases(t, 5);
    Dataset& ds = *t.dm().AQcgfx1;
    ds.open();
    QList<Report> shown;
    bool titleOk = false;
    DialogRunner::Scope scope([&](QDialog& d) {
        if (auto* preview = qobject_cast<TFdyPreview1*>(&d)) {
            shown << preview->document().report();
            titleOk = preview->windowTitle() == QStringLiteral("打印预览") &&
                      (preview->windowState() & Qt::WindowMaximized);
        }
        return int(QDialog::Rejected);
    });
    QVERIFY(TFdyPreview1::printList(nullptr, t.dm(),
                                    PrintForms::form(QStringLiteral("TFdycgfx1"), QStringLiteral("其他入库明细表")),
                                    ds, {QStringLiteral("15"), QStringLiteral("52.5")}));
    QCOMPARE(shown.size(), 1);
    QVERIFY(titleOk);
    QCOMPARE(shown[0].heading, QStringLiteral("我的小店其他入库明细表"));
    QCOMPARE(shown[0].rows.size(), 5);
    QCOMPARE(shown[0].totals, (QStringList{"15", "52.5"}));

    // A form whose fields the list lacks: the engine's message, no preview.
    MessageRecorder rec;
    QVERIFY(!TFdyPreview1::printList(nullptr, t.dm(), PrintForms::form(QStringLiteral("TFdykh1")),
                                     ds, {}));
    QCOMPARE(shown.size(), 1);
    QCOMPARE(rec.boxes.size(), 1);
    QCOMPARE(rec.boxes[0].caption, QStringLiteral("错误"));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
