#include "app/WindowRegistry.h"

#include "admin/ui/TFdanwei1.h"
#include "admin/ui/TFtjyh1.h"
#include "admin/ui/TFyhsz1.h"
#include "app/AppInfo.h"
#include "app/TFgy1.h"
#include "app/TFlikai1.h"
#include "app/TFmain1.h"
#include "data/DM1.h"
#include "data/ui/NewRecordDialogs.h"
#include "masterdata/ui/TFghs1.h"
#include "masterdata/ui/TFsp1.h"
#include "masterdata/ui/TFtjghs1.h"
#include "masterdata/ui/TFtjsp1.h"
#include "masterdata/ui/TFtjyg1.h"
#include "masterdata/ui/TFyg1.h"
#include "members/ui/TFkh1.h"
#include "members/ui/TFtjkh1.h"
#include "members/ui/TFtjzp1.h"
#include "members/ui/TFzp1.h"
#include "print/ui/TFntoc1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

const WindowEntry* WindowRegistry::find(const QString& key) const {
    auto it = m_entries.constFind(key);
    return it == m_entries.constEnd() ? nullptr : &it.value();
}

WindowRegistry WindowRegistry::standard() {
    using R = WindowRegistry;
    WindowRegistry r;

    // 系统
    r.set("N101", R::modal([](WindowContext& c) {
        auto* dialog = new TFdanwei1(c.dm, &c.main);
        QObject::connect(dialog, &TFdanwei1::shopNameShown, &c.main, &QWidget::setWindowTitle);
        return dialog;
    }));
    r.set("N102", R::modal([](WindowContext& c) { return new TFyhsz1(c.dm, &c.main); }));
    r.set("N104", R::later()); // clear database TFqingkong1
    r.set("N105", R::later()); // backup TFbeifen1 (also offered on exit)
    r.set("N106", R::later()); // restore TFhuifu1
    r.set("N107", R::later()); // compact TFyasuo1
    r.set("N109", R::command([](WindowContext& c) {
        TFlikai1 lock(c.dm, c.main.STyhm(), &c.main);
        lock.exec();
    }));
    r.set("N110", R::command([](WindowContext& c) {
        TFtjyh1::changeMyPassword(c.dm, c.main.STyhm(), &c.main);
    }));
    r.set("N111", R::command([](WindowContext& c) { c.main.close(); }));

    // 资料
    // The entry dialogs that the pickers' 新增 opens.
    NewRecordDialogs::set(QStringLiteral("sp"), TFtjsp1::openNew);
    NewRecordDialogs::set(QStringLiteral("ghs"), TFtjghs1::openNew);
    NewRecordDialogs::set(QStringLiteral("yg"), TFtjyg1::openNew);
    NewRecordDialogs::set(QStringLiteral("kh"), TFtjkh1::openNew);
    NewRecordDialogs::set(QStringLiteral("zp"), TFtjzp1::openNew);
    r.set("N201", R::child<TFsp1>([](WindowContext& c) { return new TFsp1(c.dm); }));
    r.set("N202", R::child<TFghs1>([](WindowContext& c) { return new TFghs1(c.dm); }));
    r.set("N203", R::child<TFkh1>([](WindowContext& c) { return new TFkh1(c.dm); }));
    r.set("N204", R::child<TFyg1>([](WindowContext& c) { return new TFyg1(c.dm); }));
    r.set("N206", R::child<TFzp1>([](WindowContext& c) { return new TFzp1(c.dm); }));

    // 业务
    r.set("N301", R::later()); // purchase records TFcgfx1
    r.set("N302", R::later()); // sales document entry TFtjxsd1
    r.set("N303", R::later()); // other stock-in TFrkfx1
    r.set("N304", R::later()); // other stock-out TFckfx1
    r.set("N306", R::later()); // points redemption TFduihuan1

    // 查询统计
    r.set("N401", R::later()); // sales documents TFxsgl1
    r.set("N402", R::later()); // sales detail TFxsfx1
    r.set("N403", R::later()); // sales statistics TFxstj1
    r.set("N404", R::later()); // employee commission TFxstj2
    r.set("N406", R::later()); // purchase statistics TFcgtj1
    r.set("N407", R::later()); // stock detail TFkcfx1

    // 财务
    r.set("N701", R::later()); // payables TFyffx1
    r.set("N702", R::later()); // receivables TFysfx1
    r.set("N704", R::later()); // payments TFfkfx1
    r.set("N705", R::later()); // receipts TFskfx1
    r.set("N707", R::later()); // other income and expense TFszfx1

    // 帮助
    r.set("N801", R::command([](WindowContext&) { HelpActions::startCalculator(); }));
    r.set("N802", R::child<TFntoc1>());
    r.set("N804", R::command([](WindowContext&) {
        HelpActions::openProgramFile(AppInfo::manualFile());
    }));
    r.set("N805", R::command([](WindowContext&) {
        HelpActions::openProgramFile(AppInfo::faqFile());
    }));
    r.set("N806", R::later()); // business navigation chart TFdaohang1
    r.set("N809", R::command([](WindowContext&) { HelpActions::openWebSite(); }));
    r.set("N810", R::modal([](WindowContext& c) { return new TFgy1(&c.main); }));

    r.set("N10", R::command([](WindowContext& c) { c.main.close(); }));

    // Opened by the main window itself, not by a menu item.
    r.set("TFtixing1", R::later()); // birthday reminder, when members have birthdays soon

    return r;
}

namespace HelpActions {

QString startCalculator() {
    static const char* const candidates[] = {"gnome-calculator", "kcalc", "galculator",
                                             "qalculate-gtk", "xcalc", "mate-calc"};
    for (const char* name : candidates) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return program;
    }
    return {};
}

void openProgramFile(const QString& fileName) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void openWebSite() { QDesktopServices::openUrl(QUrl(AppInfo::webSite())); }

} // namespace HelpActions
