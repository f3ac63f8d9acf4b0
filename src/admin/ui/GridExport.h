#pragma once

#include <QString>

#include <functional>

class DatasetView;
class QWidget;

// 导出 of a list window: writes the grid's columns and the rows of its dataset, in the grid's
// current order, to a new .xlsx file in the export folder beside the program and opens it with
// the desktop's spreadsheet program. The caller has checked that the dataset is open.
//
// A long list shows a progress dialog: the rows are read in steps with the window kept painted,
// and the file is written on a worker thread. Failure: "数据导出失败！". When no program opens
// the file, a message says where it was saved.
namespace GridExport {

// Returns the file written, or an empty text when the export failed or was cancelled. The file
// goes to `folder`, or to exportFolder() beside the program when it is empty.
QString exportGrid(QWidget* parent, DatasetView& grid, const QString& title,
                   const QString& folder = {});

// "<program folder>/导出数据", created when missing.
QString exportFolder(const QString& programFolder);

// Opens a written file with the desktop's program for it (tests replace it). Returns whether a
// program took it.
using Opener = std::function<bool(const QString& path)>;
void setOpener(Opener opener); // empty: the desktop's
} // namespace GridExport
