#pragma once

#include "print/PrintForms.h"
#include "print/ui/ReportEngine.h"

#include <QDialog>

#include <functional>

class Dataset;
class QLabel;
class QPrinter;
class QProgressBar;
class QTimer;
class QToolButton;
class ReportPageView;
class TDM1;

// The print preview "打印预览": the rendered pages of one report, paged with 首页 上页 下页 尾页,
// zoomed, set up, printed or saved as PDF. Made for one report and freed when closed.
//
// Pages are laid out a slice at a time after the window shows, so the first page of a long
// list is there at once; the status panel counts the pages as they become available.
class TFdyPreview1 : public QDialog {
    Q_OBJECT
public:
    explicit TFdyPreview1(Report report, QWidget* parent = nullptr);
    ~TFdyPreview1() override;

    // --- What a list window's 打印 calls once its checks have passed -------------------------

    // Fills the form from the dataset's visible rows in their current order, puts the shop's
    // print heading directly in front of the form's title, takes the totals as the status bar
    // shows them and opens the preview modally, maximised. An engine error is shown and
    // nothing opens; returns false then.
    static bool printList(QWidget* parent, TDM1& dm, const PrintForm& form, const Dataset& rows,
                          const QStringList& totals);
    // Opens the preview of a finished report modally, maximised, through DialogRunner (tests
    // receive the window and read document().report()).
    static void preview(QWidget* parent, Report report);

    // The printer 设置 and 打印 use; it keeps its settings for the whole run.
    static QPrinter& printer();
    // Whether any printer is installed; tests may replace the check.
    static void setPrinterCheck(std::function<bool()> check);

    // --- The window ------------------------------------------------------------------------
    ReportDocument& document() { return m_doc; }
    ReportPageView* view() const { return m_view; }
    // 1-based page shown, and pages rendered so far.
    int currentPage() const;
    int pageCount() const { return m_doc.pageCount(); }
    QString statusText() const;
    // Lays out the remaining pages at once (tests, printing).
    void finishLayout();

public Q_SLOTS:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void setup();
    void print();
    void exportPdf();
    void zoomWholePage();
    void zoomPageWidth();
    void zoomActualSize();
    void zoomHalf();

private:
    bool printerInstalled();
    void layoutSlice();
    void refreshStatus();
    void restartLayout();

    ReportDocument m_doc;
    ReportPageView* m_view = nullptr;
    QLabel* m_panel = nullptr;
    QProgressBar* m_progress = nullptr;
    QTimer* m_layoutTimer = nullptr;
};
