#include "print/ui/TFdyPreview1.h"

#include "data/DM1.h"
#include "data/Dataset.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Messages.h"
#include "print/ui/ReportPageView.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

// Rows laid out per slice while the window is open: a few milliseconds each.
constexpr int RowsPerSlice = 400;

std::function<bool()>& printerCheck() {
    static std::function<bool()> check;
    return check;
}

const QString NoPrinter = QStringLiteral("找不到打印机，请安装打印机！");

} // namespace

// --- Entry points ------------------------------------------------------------------------

bool TFdyPreview1::printList(QWidget* parent, TDM1& dm, const PrintForm& form,
                             const Dataset& rows, const QStringList& totals) {
    Report report;
    const bool ok = runCommand(parent, [&] {
        report = Report::fromDataset(form, rows, PrintForms::heading(dm, form.title), totals);
    });
    if (!ok)
        return false;
    preview(parent, std::move(report));
    return true;
}

void TFdyPreview1::preview(QWidget* parent, Report report) {
    TFdyPreview1 window(std::move(report), parent);
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    DialogRunner::exec(window);
}

QPrinter& TFdyPreview1::printer() {
    static std::unique_ptr<QPrinter> p;
    if (!p)
        p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *p;
}

void TFdyPreview1::setPrinterCheck(std::function<bool()> check) {
    printerCheck() = std::move(check);
}

bool TFdyPreview1::printerInstalled() {
    if (printerCheck())
        return printerCheck()();
    return !QPrinterInfo::availablePrinters().isEmpty();
}

// --- The window --------------------------------------------------------------------------

TFdyPreview1::TFdyPreview1(Report report, QWidget* parent)
    : QDialog(parent), m_doc(std::move(report)) {
    setObjectName(QStringLiteral("TFdyPreview1"));
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(900, 700);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(bar);

    auto button = [&](const char* name, const char* text, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromUtf8(text));
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(b);
        return b;
    };
    connect(button("SB1", "首页", QStyle::SP_MediaSkipBackward), &QToolButton::clicked, this,
            &TFdyPreview1::firstPage);
    connect(button("SB2", "上页", QStyle::SP_MediaSeekBackward), &QToolButton::clicked, this,
            &TFdyPreview1::previousPage);
    connect(button("SB3", "下页", QStyle::SP_MediaSeekForward), &QToolButton::clicked, this,
            &TFdyPreview1::nextPage);
    connect(button("SB4", "尾页", QStyle::SP_MediaSkipForward), &QToolButton::clicked, this,
            &TFdyPreview1::lastPage);
    bar->addSeparator();
    connect(button("SB6", "设置", QStyle::SP_FileDialogDetailedView), &QToolButton::clicked, this,
            &TFdyPreview1::setup);
    connect(button("SB7", "打印", QStyle::SP_DialogApplyButton), &QToolButton::clicked, this,
            &TFdyPreview1::print);
    connect(button("SBpdf", "导出PDF", QStyle::SP_DialogSaveButton), &QToolButton::clicked, this,
            &TFdyPreview1::exportPdf);
    QToolButton* zoom = button("SB5", "缩放", QStyle::SP_FileDialogContentsView);
    auto* zoomMenu = new QMenu(zoom);
    zoomMenu->setObjectName(QStringLiteral("ZoomMenu"));
    zoomMenu->addAction(QStringLiteral("缩放—全屏"), this, &TFdyPreview1::zoomWholePage);
    zoomMenu->addAction(QStringLiteral("缩放—页宽"), this, &TFdyPreview1::zoomPageWidth);
    zoomMenu->addAction(QStringLiteral("缩放—100%（实际打印效果）"), this,
                        &TFdyPreview1::zoomActualSize);
    zoomMenu->addAction(QStringLiteral("缩放—50%"), this, &TFdyPreview1::zoomHalf);
    zoom->setMenu(zoomMenu);
    zoom->setPopupMode(QToolButton::InstantPopup); // the menu drops down just below the button
    bar->addSeparator();
    connect(button("SB8", "关闭", QStyle::SP_DialogCloseButton), &QToolButton::clicked, this,
            &QDialog::reject);

    m_view = new ReportPageView(this);
    m_view->setObjectName(QStringLiteral("Pages"));
    layout->addWidget(m_view, 1);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto contextAction = [&](const char* text, auto slot) {
        auto* a = new QAction(QString::fromUtf8(text), m_view);
        connect(a, &QAction::triggered, this, slot);
        m_view->addAction(a);
    };
    contextAction("打印", &TFdyPreview1::print);
    contextAction("设置", &TFdyPreview1::setup);
    contextAction("关闭", &QDialog::reject);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    m_panel = new QLabel(status);
    m_panel->setObjectName(QStringLiteral("StatusPanel1"));
    m_panel->setMinimumWidth(160);
    status->addWidget(m_panel);
    m_progress = new QProgressBar(status);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setMaximumWidth(240);
    m_progress->setTextVisible(false);
    status->addWidget(m_progress);
    layout->addWidget(status);

    connect(m_view, &ReportPageView::currentPageChanged, this, &TFdyPreview1::refreshStatus);

    m_layoutTimer = new QTimer(this);
    m_layoutTimer->setInterval(0);
    connect(m_layoutTimer, &QTimer::timeout, this, &TFdyPreview1::layoutSlice);

    m_view->setDocument(&m_doc);
    m_view->setZoom(ReportPageView::Zoom::Percent, 100);
    restartLayout();
}

TFdyPreview1::~TFdyPreview1() = default;

void TFdyPreview1::restartLayout() {
    // The first page is shown before the window appears; the rest follows slice by slice.
    while (!m_doc.isComplete() && m_doc.pageCount() == 0)
        m_doc.paginate(RowsPerSlice);
    m_progress->setRange(0, std::max(1, int(m_doc.report().rows.size())));
    m_view->reset();
    refreshStatus();
    if (m_doc.isComplete())
        m_layoutTimer->stop();
    else
        m_layoutTimer->start();
}

void TFdyPreview1::layoutSlice() {
    if (m_doc.paginate(RowsPerSlice))
        m_layoutTimer->stop();
    m_view->pagesChanged();
    refreshStatus();
}

void TFdyPreview1::finishLayout() {
    m_doc.paginate();
    m_layoutTimer->stop();
    m_view->pagesChanged();
    refreshStatus();
}

int TFdyPreview1::currentPage() const { return m_view->currentPage() + 1; }

QString TFdyPreview1::statusText() const {
    return QStringLiteral(" 第 %1 页 共 %2 页").arg(currentPage()).arg(pageCount());
}

void TFdyPreview1::refreshStatus() {
    m_panel->setText(statusText());
    m_progress->setValue(m_doc.isComplete() ? m_progress->maximum() : m_doc.rowsLaidOut());
}

void TFdyPreview1::firstPage() { m_view->showPage(0); }

void TFdyPreview1::previousPage() { m_view->showPage(std::max(0, m_view->currentPage() - 1)); }

void TFdyPreview1::nextPage() {
    m_view->showPage(std::min(pageCount() - 1, m_view->currentPage() + 1));
}

void TFdyPreview1::lastPage() { m_view->showPage(pageCount() - 1); }

void TFdyPreview1::zoomWholePage() { m_view->setZoom(ReportPageView::Zoom::WholePage); }
void TFdyPreview1::zoomPageWidth() { m_view->setZoom(ReportPageView::Zoom::PageWidth); }
void TFdyPreview1::zoomActualSize() { m_view->setZoom(ReportPageView::Zoom::Percent, 100); }
void TFdyPreview1::zoomHalf() { m_view->setZoom(ReportPageView::Zoom::Percent, 50); }

void TFdyPreview1::setup() {
    if (!printerInstalled()) {
        Messages::warning(this, NoPrinter);
        return;
    }
    // The print dialog is the one place to choose among several printers (a receipt printer and
    // an A4 one, say) as well as the paper; here it only sets up, the printing is 打印's.
    QPrinter& pr = printer();
    pr.setFullPage(false);
    pr.setPageLayout(m_doc.pageLayout());
    QPrintDialog dialog(&pr, this);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("确定"));
    if (DialogRunner::exec(dialog) != QDialog::Accepted)
        return;
    const int page = m_view->currentPage();
    m_doc.setPageLayout(pr.pageLayout());
    restartLayout();
    m_view->showPage(std::max(0, std::min(page, m_doc.pageCount() - 1)));
}

void TFdyPreview1::print() {
    if (!printerInstalled()) {
        Messages::warning(this, NoPrinter);
        return;
    }
    QPrinter& pr = printer();
    pr.setDocName(m_doc.report().heading);
    finishLayout();
    if (!m_doc.print(pr))
        Messages::error(this, QStringLiteral("打印失败，请检查打印机！"));
}

void TFdyPreview1::exportPdf() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = m_doc.report().heading;
    for (QChar bad : {u'/', u'\\', u':', u'*', u'?', u'"', u'<', u'>', u'|'})
        name.replace(bad, u'_');
    if (name.trimmed().isEmpty())
        name = QStringLiteral("报表");
    QString path = Messages::saveFileName(this, QStringLiteral("导出PDF"),
                                          QDir(folder).filePath(name + QStringLiteral(".pdf")),
                                          QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(m_doc.report().heading);
    finishLayout();
    if (!m_doc.print(pdf))
        Messages::error(this, QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path));
}
