#pragma once

#include <QHash>
#include <QMetaObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TDM1;
class TFmain1;

// What a window factory or command gets: the data module and the main window (parent of modal
// dialogs, holder of the current operator).
struct WindowContext {
    TDM1& dm;
    TFmain1& main;
};

// How one menu item (or one hook of the main window) opens its window.
struct WindowEntry {
    enum class Kind {
        None,    // the window is not part of the program yet: the item opens nothing
        Child,   // an MDI child, at most one of its class open at a time
        Modal,   // a dialog made for one use: created, executed, deleted
        Command, // anything else (lock, external programs, closing the main window)
    };
    Kind kind = Kind::None;
    // Child: the window's class, which decides whether one is already open.
    const QMetaObject* windowClass = nullptr;
    // Child: a new window without parent (the main window wraps it in a subwindow).
    // Modal: a new QDialog whose parent is the main window.
    std::function<QWidget*(WindowContext&)> make;
    // Command: runs the item.
    std::function<void(WindowContext&)> run;
    // Child: opened once when the program starts, before the login (the navigation chart).
    bool openAtStart = false;
};

// The one table from menu item (its QAction objectName, e.g. "N201") or hook name (e.g.
// "TFtixing1") to the window it opens. Adding a window to the program means adding its line to
// standard() in WindowRegistry.cpp.
class WindowRegistry {
public:
    // The program's table.
    static WindowRegistry standard();

    void set(const QString& key, WindowEntry entry) { m_entries.insert(key, std::move(entry)); }
    // nullptr when the key is unknown.
    const WindowEntry* find(const QString& key) const;
    QStringList keys() const { return m_entries.keys(); }

    // Entry builders.
    template <class W, class F> static WindowEntry child(F make) {
        WindowEntry e;
        e.kind = WindowEntry::Kind::Child;
        e.windowClass = &W::staticMetaObject;
        e.make = [make](WindowContext& c) -> QWidget* { return make(c); };
        return e;
    }
    template <class W> static WindowEntry child() {
        return child<W>([](WindowContext&) { return new W(); });
    }
    template <class F> static WindowEntry modal(F make) {
        WindowEntry e;
        e.kind = WindowEntry::Kind::Modal;
        e.make = [make](WindowContext& c) -> QWidget* { return make(c); };
        return e;
    }
    static WindowEntry command(std::function<void(WindowContext&)> run) {
        WindowEntry e;
        e.kind = WindowEntry::Kind::Command;
        e.run = std::move(run);
        return e;
    }
    static WindowEntry later() { return {}; }
    static WindowEntry atStart(WindowEntry e) {
        e.openAtStart = true;
        return e;
    }

private:
    QHash<QString, WindowEntry> m_entries;
};

// The help menu's outside programs and files.
namespace HelpActions {
// Starts the first desktop calculator found; does nothing when there is none.
// Returns the program started (empty when none).
QString startCalculator();
// Opens a file of the program's folder with the desktop's program for it.
void openProgramFile(const QString& fileName);
void openWebSite();
} // namespace HelpActions
