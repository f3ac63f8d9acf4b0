#include "app/TFmain1.h"

#include "core/Clock.h"
#include "data/DM1.h"
#include "data/SqlText.h"
#include "data/ui/Command.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

TFmain1* g_instance = nullptr;

// One line of the menu bar: an item, or a separator ("-") that keeps the number of its place.
struct MenuLine {
    const char* name;
    const char* text;
};
struct MenuDef {
    const char* name;
    const char* text;
    QList<MenuLine> lines;
};

const QList<MenuDef>& menuDefs() {
    static const QList<MenuDef> defs = {
        {"N1", "系统",
         {{"N101", "店铺信息"}, {"N102", "操作员与权限"}, {"N103", "-"}, {"N104", "清空数据库"},
          {"N105", "备份数据库"}, {"N106", "恢复数据库"}, {"N107", "压缩数据库"}, {"N108", "-"},
          {"N109", "暂时离开系统"}, {"N110", "更改我的密码"}, {"N111", "退出"}}},
        {"N2", "资料",
         {{"N201", "商品资料"}, {"N202", "厂商资料"}, {"N203", "会员资料"}, {"N204", "员工资料"},
          {"N205", "-"}, {"N206", "赠品资料"}}},
        {"N3", "业务",
         {{"N301", "采购"}, {"N302", "销售"}, {"N303", "其他入库"}, {"N304", "其他出库"},
          {"N305", "-"}, {"N306", "积分兑换赠品"}}},
        {"N4", "查询统计",
         {{"N401", "销售单据"}, {"N402", "销售明细"}, {"N403", "销售统计"}, {"N404", "员工提成"},
          {"N405", "-"}, {"N406", "采购统计"}, {"N407", "商品当前库存"}}},
        {"N7", "财务",
         {{"N701", "本店欠款（采购应付）"}, {"N702", "顾客欠款（销售应收）"},
          {"N704", "本店还款（采购付款）"}, {"N705", "顾客还款（销售收款）"}, {"N706", "-"},
          {"N707", "其他费用（收入支出）"}}},
        {"N8", "帮助",
         {{"N801", "计算器"}, {"N802", "金额大小写转换"}, {"N803", "-"}, {"N804", "操作说明"},
          {"N805", "常见问题"}, {"N806", "显示业务导航图"}, {"N807", "-"},
          {"N809", "访问zur官方站"}, {"N810", "关于本软件"}}},
    };
    return defs;
}

// The tool bar: button, caption, hint, menu item it performs, picture.
enum class Glyph { Factory, Person, Box, Cart, Receipt, Shelves };
struct ToolDef {
    const char* name;
    const char* text;
    const char* hint;
    const char* item;
    Glyph glyph;
    QColor color;
};

const QList<ToolDef>& toolDefs() {
    static const QList<ToolDef> defs = {
        {"SpeedButton1", "厂商", "厂商资料", "N202", Glyph::Factory, QColor(0x3b, 0x7d, 0xd8)},
        {"SpeedButton2", "会员", "会员资料", "N203", Glyph::Person, QColor(0xe0, 0x6c, 0x3c)},
        {"SpeedButton3", "商品", "商品资料", "N201", Glyph::Box, QColor(0x2e, 0x9e, 0x6b)},
        {"SpeedButton4", "采购", "采购管理", "N301", Glyph::Cart, QColor(0x7a, 0x5c, 0xc7)},
        {"SpeedButton5", "销售", "销售管理", "N302", Glyph::Receipt, QColor(0xd4, 0x3f, 0x5a)},
        {"SpeedButton6", "库存", "商品库存", "N407", Glyph::Shelves, QColor(0x1f, 0x8f, 0xa6)},
    };
    return defs;
}

// A small picture for a tool bar button: a white pictogram on a rounded coloured square.
QIcon toolIcon(Glyph glyph, const QColor& color) {
    const int s = 24;
    QPixmap pm(s * 2, s * 2);
    pm.setDevicePixelRatio(2.0);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, color.lighter(125));
    g.setColorAt(1, color);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 5, 5);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Factory: { // a workshop with a saw-tooth roof and a chimney
        QPainterPath path;
        path.moveTo(5, 19);
        path.lineTo(5, 11);
        path.lineTo(9, 13.5);
        path.lineTo(9, 11);
        path.lineTo(13, 13.5);
        path.lineTo(13, 11);
        path.lineTo(17, 13.5);
        path.lineTo(17, 5);
        path.lineTo(19, 5);
        path.lineTo(19, 19);
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(8, 16.5), QPointF(10, 16.5));
        p.drawLine(QPointF(12, 16.5), QPointF(14, 16.5));
        break;
    }
    case Glyph::Person:
        p.drawEllipse(QPointF(12, 8.5), 3.5, 3.5);
        p.drawArc(QRectF(5.5, 13.5, 13, 11), 0, 180 * 16);
        break;
    case Glyph::Box:
        p.drawRect(QRectF(5.5, 9, 13, 10));
        p.drawLine(QPointF(5.5, 9), QPointF(8, 5.5));
        p.drawLine(QPointF(18.5, 9), QPointF(16, 5.5));
        p.drawLine(QPointF(8, 5.5), QPointF(16, 5.5));
        p.drawLine(QPointF(12, 9), QPointF(12, 13));
        break;
    case Glyph::Cart:
        p.drawPolyline(QPolygonF({QPointF(4, 6), QPointF(7, 6), QPointF(9, 15), QPointF(18, 15),
                                  QPointF(19.5, 9), QPointF(8, 9)}));
        p.drawEllipse(QPointF(10, 18.5), 1.3, 1.3);
        p.drawEllipse(QPointF(17, 18.5), 1.3, 1.3);
        break;
    case Glyph::Receipt: {
        QPainterPath path;
        path.moveTo(7, 4.5);
        path.lineTo(17, 4.5);
        path.lineTo(17, 19.5);
        path.lineTo(15, 18);
        path.lineTo(13, 19.5);
        path.lineTo(11, 18);
        path.lineTo(9, 19.5);
        path.lineTo(7, 18);
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(9.5, 8.5), QPointF(14.5, 8.5));
        p.drawLine(QPointF(9.5, 11.5), QPointF(14.5, 11.5));
        p.drawLine(QPointF(9.5, 14.5), QPointF(12.5, 14.5));
        break;
    }
    case Glyph::Shelves:
        p.drawLine(QPointF(5, 19), QPointF(19, 19));
        p.drawRect(QRectF(6, 12.5, 5.5, 6.5));
        p.drawRect(QRectF(12.5, 12.5, 5.5, 6.5));
        p.drawRect(QRectF(9.25, 6, 5.5, 6.5));
        break;
    }
    return QIcon(pm);
}

} // namespace

TFmain1::TFmain1(TDM1& dm, QWidget* parent)
    : QMainWindow(parent), m_dm(dm), m_windows(WindowRegistry::standard()) {
    setObjectName(QStringLiteral("TFmain1"));
    setWindowTitle(m_dm.danwei().text(QStringLiteral("mczc")));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QLinearGradient bg(0, 0, 0, 900);
    bg.setColorAt(0, QColor(0xe8, 0xee, 0xf5));
    bg.setColorAt(1, QColor(0xc9, 0xd6, 0xe6));
    m_mdi->setBackground(bg);
    setCentralWidget(m_mdi);

    buildMenus();
    buildToolBar();
    buildStatusBar();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TFmain1::tick);
    m_timer->start();

    g_instance = this;
}

TFmain1::~TFmain1() {
    if (g_instance == this)
        g_instance = nullptr;
}

TFmain1* TFmain1::instance() { return g_instance; }

void TFmain1::buildMenus() {
    for (const MenuDef& def : menuDefs()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.text));
        menu->setObjectName(QString::fromLatin1(def.name));
        for (const MenuLine& line : def.lines) {
            const QString name = QString::fromLatin1(line.name);
            QAction* action = qstrcmp(line.text, "-") == 0
                                  ? menu->addSeparator()
                                  : menu->addAction(QString::fromUtf8(line.text));
            action->setObjectName(name);
            // Menu actions belong to the main window so that findChild finds them here.
            action->setParent(this);
            if (!action->isSeparator())
                connect(action, &QAction::triggered, this, [this, name] { openWindow(name); });
        }
    }
    QAction* quit = menuBar()->addAction(QStringLiteral("退出本软件"));
    quit->setObjectName(QStringLiteral("N10"));
    quit->setParent(this);
    connect(quit, &QAction::triggered, this, [this] { openWindow(QStringLiteral("N10")); });
}

void TFmain1::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    bar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    for (const ToolDef& def : toolDefs()) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(def.name));
        button->setText(QString::fromUtf8(def.text));
        button->setToolTip(QString::fromUtf8(def.hint));
        button->setIcon(toolIcon(def.glyph, def.color));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFixedSize(65, 45);
        button->setFocusPolicy(Qt::NoFocus);
        // The button performs its menu item: a disabled item makes it do nothing.
        QAction* target = menuAction(QString::fromLatin1(def.item));
        connect(button, &QToolButton::clicked, target, &QAction::trigger);
        bar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

void TFmain1::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    struct Panel {
        int width;
        Qt::Alignment align;
        QString text;
    };
    const Panel panels[4] = {
        {150, Qt::AlignCenter, QString()},
        {400, Qt::AlignCenter, QString()},
        {200, Qt::AlignCenter, QStringLiteral("关注zur网站，下载最新版本")},
        {100, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("欢迎使用")},
    };
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(panels[i].text, bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFixedWidth(panels[i].width);
        label->setAlignment(panels[i].align);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        bar->addWidget(label);
        m_panels[i] = label;
    }
    setStatusBar(bar);
}

QAction* TFmain1::menuAction(const QString& objectName) const {
    return findChild<QAction*>(objectName, Qt::FindDirectChildrenOnly);
}

QString TFmain1::clockText(const QDateTime& when) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    return QStringLiteral("现在时刻：") + when.date().toString(QStringLiteral("yyyy年MM月dd日")) +
           u' ' + chinese.dayName(when.date().dayOfWeek(), QLocale::LongFormat) + u' ' +
           when.time().toString(QStringLiteral("hh时mm分ss秒"));
}

void TFmain1::tick() { m_panels[1]->setText(clockText(Clock::now())); }

// --- child windows ----------------------------------------------------------------------------

QMdiSubWindow* TFmain1::findChildWindow(const QMetaObject& windowClass) const {
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (sub->widget() && sub->widget()->metaObject() == &windowClass)
            return sub;
    return nullptr;
}

QMdiSubWindow* TFmain1::openChild(const QMetaObject& windowClass,
                                  const std::function<QWidget*()>& make) {
    if (QMdiSubWindow* open = findChildWindow(windowClass)) {
        if (open->isMinimized())
            open->showNormal();
        else
            open->show();
        open->raise();
        m_mdi->setActiveSubWindow(open);
        open->widget()->setFocus();
        return open;
    }
    QWidget* window = make();
    if (!window)
        return nullptr;
    // The frame takes the window's own title-bar buttons when it names them; a window of fixed
    // size gets no maximise button.
    Qt::WindowFlags frame = window->windowFlags().testFlag(Qt::CustomizeWindowHint)
                                ? window->windowFlags() & ~Qt::WindowType_Mask
                                : Qt::WindowFlags();
    if (!frame && window->minimumSize() == window->maximumSize())
        frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* sub = m_mdi->addSubWindow(window, Qt::SubWindow | frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon(QPixmap(1, 1))); // no system icon in the title
    // A window that deletes itself on close takes its frame with it.
    connect(window, &QObject::destroyed, sub, [frame = QPointer<QMdiSubWindow>(sub)] {
        if (frame)
            frame->deleteLater();
    });
    sub->show();
    window->setFocus();
    return sub;
}

void TFmain1::openWindow(const QString& key) {
    const WindowEntry* entry = m_windows.find(key);
    if (!entry)
        return;
    WindowContext context{m_dm, *this};
    switch (entry->kind) {
    case WindowEntry::Kind::None:
        return;
    case WindowEntry::Kind::Child:
        if (entry->make && entry->windowClass)
            openChild(*entry->windowClass, [&] { return entry->make(context); });
        return;
    case WindowEntry::Kind::Modal: {
        if (!entry->make)
            return;
        QPointer<QWidget> window = entry->make(context);
        if (auto* dialog = qobject_cast<QDialog*>(window.data()))
            DialogRunner::exec(*dialog);
        delete window.data();
        return;
    }
    case WindowEntry::Kind::Command:
        if (entry->run)
            entry->run(context);
        return;
    }
}

void TFmain1::openStartupWindows() {
    QStringList keys = m_windows.keys();
    keys.sort();
    for (const QString& key : keys)
        if (m_windows.find(key)->openAtStart)
            openWindow(key);
}

// --- first show: operator, permissions, birthdays ---------------------------------------------

const QList<TFmain1::Gate>& TFmain1::gates() {
    static const QList<Gate> list = {
        {"系统设置", {"N101", "N102", "N104"}},
        {"基本资料", {"N201", "N202", "N204"}},
        {"会员管理", {"N203", "N206", "N306"}},
        {"采购管理", {"N301", "N406"}},
        {"销售管理", {"N302", "N401", "N402", "N403", "N404"}},
        {"其他出入库", {"N303", "N304"}},
        {"财务管理", {"N701", "N702", "N704", "N705", "N707"}},
        {"库存归零", {}},
        {"显示库存价格", {}},
    };
    return list;
}

bool TFmain1::hasPermission(const QString& permission) {
    Dataset* q = m_dm.AQquanxian1;
    try {
        q->open(SqlText({QStringLiteral("select * from quanxian"),
                         QStringLiteral("where yh=? and qx=?")},
                        {m_STyhm, permission}));
        return !q->isEmpty();
    } catch (const DbError&) {
        // A permission that cannot be read is not held.
        return false;
    }
}

void TFmain1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    applyOperator();
}

void TFmain1::applyOperator() {
    if (m_operatorApplied)
        return;
    m_operatorApplied = true;

    Dataset* login = m_dm.AQyhsz1;
    m_STyhm = login->isOpen() && !login->isEmpty() ? login->text(QStringLiteral("yhmc")) : QString();
    m_panels[0]->setText(QStringLiteral("操作员：") + m_STyhm);

    for (const Gate& gate : gates()) {
        const QString name = QString::fromUtf8(gate.permission);
        const bool held = hasPermission(name);
        for (const QString& item : gate.items)
            menuAction(item)->setEnabled(held);
        if (name == QStringLiteral("库存归零"))
            m_STkcsc = held ? QStringLiteral("归零") : QStringLiteral("不归零");
        else if (name == QStringLiteral("显示库存价格"))
            m_STkcjg = held ? QStringLiteral("显示价格") : QStringLiteral("不显价格");
    }

    checkBirthdays();
}

SqlText TFmain1::birthdayQuery(const QDate& today) {
    const auto pattern = [&](int k) {
        return QString(u'%' + today.addDays(k).toString(QStringLiteral("MMdd")));
    };
    SqlText q(QStringLiteral("SELECT * FROM kh"));
    q.add(QStringLiteral("where csrq like ?"), pattern(0));
    for (int k = 1; k <= 4; ++k)
        q.add(QStringLiteral("or csrq like ?"), pattern(k));
    return q;
}

bool TFmain1::openBirthdays(TDM1& dm, const QDate& today) {
    dm.AQkh1->open(birthdayQuery(today));
    return !dm.AQkh1->isEmpty();
}

void TFmain1::checkBirthdays() {
    bool any = false;
    if (runCommand(this, [&] { any = openBirthdays(m_dm, Clock::today()); }) && any)
        openWindow(QStringLiteral("TFtixing1"));
}

// --- closing ------------------------------------------------------------------------------------

void TFmain1::closeEvent(QCloseEvent* event) {
    // The file is released before the questions; a dataset that opens after a Cancel reconnects.
    m_dm.db().close();
    if (!Messages::okCancel(this, QStringLiteral("确定要退出本系统吗？"))) {
        event->ignore();
        return;
    }
    if (Messages::yesNo(this, QStringLiteral("退出时需要备份数据吗？")))
        openWindow(QStringLiteral("N105"));
    m_timer->stop();
    event->accept();
}
