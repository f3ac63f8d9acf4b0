#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Dataset;
class TDM1;

// One column of a print form: the dataset field it prints, its caption in the column header,
// its share of the page width and how its texts stand in the cell.
struct PrintColumn {
    enum class Align { Left, Center, Right };

    QString field;
    QString caption;
    // Relative width (millimetres of the A4 portrait layout); the engine scales the columns
    // together to fill the printable width of whatever paper is chosen.
    double width = 20;
    Align align = Align::Left;
    // Printed invisible: no caption, no values, no ruling, but the column keeps its space.
    bool blank = false;
};

// A print form filled in for one report: which form, which report title, the columns and the
// summary band. Shared forms hold one definition per report they print (payables and
// receivables, gifts and stock ...); PrintForms::find picks it by the report title.
struct PrintForm {
    QString name;  // "TFdysp1"
    QString title; // the report title printed after the shop's print heading, "商品价格表"
    QList<PrintColumn> columns;
    // Caption of the summary band ("总计", "总　　计"); empty when the form has no summary.
    QString summaryCaption;
    // The columns under which the totals stand, in the order the totals are given.
    QStringList totalFields;

    bool hasSummary() const { return !summaryCaption.isEmpty(); }
    int columnIndex(const QString& field) const;
    // For the list windows that relabel a column (the statistics' group column): set its
    // caption, or blank it out. Unknown fields are ignored.
    void setCaption(const QString& field, const QString& caption);
    void setBlank(const QString& field, bool blank);
};

// A report ready to render: the form, the heading over every page, the rows (texts in the
// form's column order, in the order the list shows them) and the totals' texts as the list's
// status bar shows them.
struct Report {
    PrintForm form;
    QString heading;
    QList<QStringList> rows;
    QStringList totals;

    // Copies the visible rows of the dataset, in its current order, as the grid shows them.
    // A field the form needs that the dataset lacks throws DbError.
    static Report fromDataset(const PrintForm& form, const Dataset& rows, const QString& heading,
                              const QStringList& totals);
};

// The print forms of the list windows, as data. (The sales documents and receipts have their
// own layouts.)
namespace PrintForms {

// The form for one of the reports it prints; the first of them when `title` is empty.
// Nothing when there is no such form or the form prints no report of that title.
std::optional<PrintForm> find(const QString& formName, const QString& title = {});
// As find(), for names the program knows to exist: throws std::invalid_argument otherwise.
PrintForm form(const QString& formName, const QString& title = {});

// Every form name, in the order the program creates them.
QStringList names();
// The report titles a form prints (one, or two to four on shared forms).
QStringList titles(const QString& formName);

// The heading over a report: the shop's print heading directly followed by the title.
QString heading(const QString& printHeading, const QString& title);
// The same, with the print heading read from the shop row (reopened if closed).
QString heading(TDM1& dm, const QString& title);

} // namespace PrintForms
