// print-bench: how soon the print preview shows the first page of a long list, and how long the
// remaining pages take to lay out behind it.
//
//   QT_QPA_PLATFORM=offscreen build/bin/print-bench [rows ...]   (default: 2000 20000)
#include "print/PrintForms.h"
#include "print/ui/ReportEngine.h"
#include "print/ui/TFdyPreview1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

Report purchaseList(int rows) {
    Report r;
    r.form = PrintForms::form(QStringLiteral("TFdycgfx1"));
    r.heading = QStringLiteral("我的小店采购明细表");
    r.totals = {QStringLiteral("2001000"), QStringLiteral("7003500")};
    r.rows.reserve(rows);
    for (int i = 1; i <= rows; ++i) {
        // Every 25th name is long enough to wrap.
        const QString name = i % 25 == 0
                                 ? QStringLiteral("可口可乐零度无糖碳酸饮料三百三十毫升罐装二十四罐整箱%1").arg(i)
                                 : QStringLiteral("商品%1").arg(i);
        r.rows << QStringList{QStringLiteral("2010-05-04"), QStringLiteral("C%1").arg(i, 6, 10, QLatin1Char('0')),
                              name, QStringLiteral("个"), QString::number(i) + QStringLiteral(".00"),
                              QStringLiteral("3.50"), QString::number(i * 3.5, 'f', 2)};
    }
    return r;
}

void paintWindow(QWidget& w) {
    QImage img(w.size(), QImage::Format_RGB32);
    w.render(&img);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {2000, 20000};

    // The first window of a run pays for loading the fonts and the style; measure after that, as
    // a user's second print would.
    QElapsedTimer t;
    t.start();
    {
        TFdyPreview1 warm(purchaseList(10));
        warm.resize(1000, 800);
        warm.show();
        paintWindow(warm);
    }
    std::printf("first window of the run (fonts, style): %lld ms\n", t.elapsed());

    for (int rows : sizes) {
        const Report report = purchaseList(rows);
        t.restart();
        TFdyPreview1 w(report);
        w.resize(1000, 800);
        w.show();
        paintWindow(w);
        const qint64 firstPage = t.elapsed();
        const int pagesThen = w.pageCount();
        t.restart();
        w.finishLayout();
        const qint64 rest = t.elapsed();

        ReportDocument doc(report);
        t.restart();
        doc.paginate();
        const qint64 layout = t.elapsed();

        std::printf("%6d rows: first page on screen %4lld ms (%d of %d pages known), "
                    "rest laid out %4lld ms; whole layout alone %4lld ms\n",
                    rows, firstPage, pagesThen, w.pageCount(), rest, layout);
    }
    return 0;
}
