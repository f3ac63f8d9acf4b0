#include "admin/ui/GridExport.h"

#include "admin/SpreadsheetExport.h"
#include "core/Clock.h"
#include "data/Database.h"
#include "data/Dataset.h"
#include "data/ui/DatasetView.h"
#include "data/ui/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <memory>

namespace GridExport {

namespace {

constexpr int GatherStep = 2000;
constexpr int LargeList = 5000;

Opener& opener() {
    static Opener o;
    return o;
}

bool openFile(const QString& path) {
    if (opener())
        return opener()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString fileName(const QString& folder, const QString& title) {
    QString base = title;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : base)
        if (forbidden.contains(c))
            c = u'_';
    base += QStringLiteral("_") + Clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".xlsx"));
    for (int i = 2; QFileInfo::exists(path); ++i)
        path = dir.filePath(QStringLiteral("%1_%2.xlsx").arg(base).arg(i));
    return path;
}

} // namespace

void setOpener(Opener o) { opener() = std::move(o); }

QString exportFolder(const QString& programFolder) {
    QDir dir(programFolder);
    const QString name = QStringLiteral("导出数据");
    if (dir.mkpath(name) && QFileInfo(dir.filePath(name)).isWritable())
        return dir.filePath(name);
    // A program folder that cannot be written to: the user's temporary folder.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

QString exportGrid(QWidget* parent, DatasetView& grid, const QString& title,
                   const QString& folder) {
    Dataset* ds = grid.dataset();
    if (!ds || !ds->isOpen())
        return {};

    QList<SpreadsheetExport::Column> columns;
    for (const GridColumn& c : grid.gridColumns())
        columns << SpreadsheetExport::Column{c.field, c.caption, c.visible};
    SpreadsheetExport::Sheet sheet(columns);
    const int total = ds->count();

    // A long list gets a progress dialog, shown at once and modal to the main window, so the
    // list cannot change or close while it is read and written; a short one is done before
    // anyone could click.
    const bool large = total >= LargeList;
    const QEventLoop::ProcessEventsFlags events =
        large ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    std::unique_ptr<QProgressDialog> progress;
    if (large) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("正在导出数据，请稍候……"),
                                                     QStringLiteral("取消"), 0, total * 2, parent);
        progress->setObjectName(QStringLiteral("ExportProgress"));
        progress->setWindowTitle(QStringLiteral("导出"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoClose(false);
        progress->setAutoReset(false);
        progress->show();
    }
    auto cancelled = [&] { return progress && progress->wasCanceled(); };

    // Read the rows in steps, keeping the window painted.
    for (int from = 0; from < total; from += GatherStep) {
        sheet.gather(*ds, from, from + GatherStep);
        if (progress)
            progress->setValue(std::min(from + GatherStep, total));
        QApplication::processEvents(events);
        if (cancelled())
            return {};
    }

    const QString path =
        fileName(folder.isEmpty() ? exportFolder(ds->database().folder()) : folder, title);

    // Write on a worker while the progress moves.
    std::atomic<int> written{0};
    std::atomic<bool> cancel{false};
    bool ok = false;
    QString failure;
    QThread* worker = QThread::create([&] {
        try {
            ok = SpreadsheetExport::write(path, sheet, [&](int rows) {
                written.store(rows);
                return !cancel.load();
            });
        } catch (const DbError& e) {
            failure = e.message();
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
        }
    });
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (!progress)
            return;
        progress->setValue(total + written.load());
        if (progress->wasCanceled())
            cancel.store(true);
    });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    tick.start(100);
    worker->start();
    loop.exec(events);
    worker->wait();
    delete worker;
    tick.stop();
    progress.reset();

    if (!failure.isEmpty()) {
        Messages::information(parent, QStringLiteral("数据导出失败！"));
        return {};
    }
    if (!ok) // cancelled
        return {};
    ds->last();
    if (!openFile(path))
        Messages::information(parent, QStringLiteral("数据已导出到：%1").arg(QDir::toNativeSeparators(path)));
    return path;
}

} // namespace GridExport
