#pragma once

#include "app/WindowRegistry.h"

#include <QDate>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QTimer;
class SqlText;
class TDM1;

// The main window: menu bar, tool bar Panel1, status bar StatusBar1 and the MDI area in which
// the task windows open. Status panels are QLabels named StatusPanel0 (operator), StatusPanel1
// (clock), StatusPanel2 (web notice) and StatusPanel3 (our notice).
//
// On its first show it takes the operator from the login row of AQyhsz1, enables the menu items
// of the permissions that operator holds and checks for members' birthdays. Closing it asks
// before the program ends.
class TFmain1 : public QMainWindow {
    Q_OBJECT
public:
    // Reads the shop name for the caption; throws DbError when it cannot be read.
    explicit TFmain1(TDM1& dm, QWidget* parent = nullptr);
    ~TFmain1() override;

    // The running program's main window (nullptr before it exists and after it is gone).
    static TFmain1* instance();

    // The current operator, and the stock settings of the operator's permissions:
    // STkcsc "归零" / "不归零", STkcjg "显示价格" / "不显价格". Set on first show.
    QString STyhm() const { return m_STyhm; }
    QString STkcsc() const { return m_STkcsc; }
    QString STkcjg() const { return m_STkcjg; }

    TDM1& dm() { return m_dm; }
    QMdiArea* mdiArea() const { return m_mdi; }
    // The menu item (or tool bar target) of that objectName, e.g. "N201".
    QAction* menuAction(const QString& objectName) const;

    // Which window each menu item opens; tests and later windows may replace entries.
    WindowRegistry& windows() { return m_windows; }
    // Opens what the registry holds for the key (menu item objectName or hook name), regardless
    // of whether its menu item is enabled. Unknown keys and entries without a window do nothing.
    void openWindow(const QString& key);

    // Brings back the open child window of that class, or makes one with `make` and shows it as
    // a subwindow that is deleted when it closes. Returns the subwindow (nullptr when `make`
    // gave nothing). The frame has no maximise button when the window has a fixed size; a window
    // that sets Qt::CustomizeWindowHint with its own title-bar hints gets exactly those.
    QMdiSubWindow* openChild(const QMetaObject& windowClass, const std::function<QWidget*()>& make);
    template <class W, class F> W* openChild(F make) {
        QMdiSubWindow* sub = openChild(W::staticMetaObject, [&]() -> QWidget* { return make(); });
        return sub ? qobject_cast<W*>(sub->widget()) : nullptr;
    }
    template <class W> W* openChild() {
        return openChild<W>([] { return new W(); });
    }
    // The open child window of that class, or nullptr.
    QMdiSubWindow* findChildWindow(const QMetaObject& windowClass) const;

    // Opens the child windows that the registry marks to be open from the start.
    void openStartupWindows();

    // The first-show steps (operator, permissions, birthday check); runs once, also when the
    // window is shown for the first time.
    void applyOperator();
    // True when the operator holds the permission (a row of quanxian with that exact name).
    bool hasPermission(const QString& permission);

    // The members' birthday query for the five days from `today` (mmdd of today .. today+4).
    static SqlText birthdayQuery(const QDate& today);
    // Opens the birthday query on AQkh1; true when some member has a birthday in the five days.
    static bool openBirthdays(TDM1& dm, const QDate& today);

    // The status-bar clock text for a moment.
    static QString clockText(const QDateTime& when);

    // The menu items that each permission switches on, in the order the permissions are read.
    struct Gate {
        const char* permission;
        QStringList items;
    };
    static const QList<Gate>& gates();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void tick();
    void checkBirthdays();

    TDM1& m_dm;
    WindowRegistry m_windows;
    QMdiArea* m_mdi = nullptr;
    QLabel* m_panels[4] = {};
    QTimer* m_timer = nullptr;
    bool m_operatorApplied = false;
    QString m_STyhm;
    QString m_STkcsc = QStringLiteral("不归零");
    QString m_STkcjg = QStringLiteral("不显价格");
};
