#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Dataset;
class QWidget;

// Which boxes of which caller a picker's choice fills. A caller opens a picker with its caller
// code (the picker's hidden text `xzbj`); the picker looks the code up in its routes and copies
// the chosen row's fields into the caller's boxes in the listed order. A code without a route
// copies nothing.
struct BoxCopy {
    QString field; // field of the picker's row ("txm")
    QString box;   // objectName of the caller's line edit ("Edit4")
};

struct PickerRoute {
    QString code;          // "tjcg"
    QString caller;        // the caller's form ("TFtjcg1")
    QList<BoxCopy> copies; // in the order they are written
    // The caller's lookup switch ("sao", "SAO") set back to "sao" when the picker closes,
    // however it closes; empty for callers whose switch the picker leaves alone.
    QByteArray lookupSwitch = {};
};

using PickerRoutes = QList<PickerRoute>;

// The route of a caller code, or null.
const PickerRoute* findRoute(const PickerRoutes& routes, const QString& code);

// Writes the fields of the dataset's current row into the caller's line edits named by the
// route, in order (money in its grid form, "3.50"). A box the caller does not have is skipped.
void fillBoxes(QWidget* caller, const PickerRoute& route, const Dataset& dataset);
