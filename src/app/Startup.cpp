#include "app/Startup.h"

#include "app/AppInfo.h"
#include "app/SplashWindow.h"
#include "app/TFdl1.h"
#include "app/TFmain1.h"
#include "data/DM1.h"
#include "data/ui/DialogRunner.h"
#include "data/ui/Messages.h"


#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

Startup::Startup(const QString& folder) : m_folder(folder) {
    login = [](TDM1& dm) {
        TFdl1 dialog(dm);
        return DialogRunner::exec(dialog) == QDialog::Accepted;
    };
}

Startup::~Startup() = default;

void Startup::prepareApplication(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;

    const QString family = QStringLiteral("Noto Sans CJK SC");
    if (QFontDatabase::families().contains(family)) {
        QFont font(family);
        font.setPointSizeF(app.font().pointSizeF());
        QApplication::setFont(font);
    }
}

bool Startup::run() {
    // Until the main window runs the program, closing the splash or the login window must not
    // end the application by itself.
    const bool quitOnLastClosed = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    struct Restore {
        bool value;
        ~Restore() { QApplication::setQuitOnLastWindowClosed(value); }
    } restore{quitOnLastClosed};

    m_splash = std::make_unique<SplashWindow>();
    QElapsedTimer shown;
    shown.start();
    m_splash->show();
    m_splash->repaint();
    QCoreApplication::processEvents();
    // Wait with the event loop running, so the splash keeps painting.
    QEventLoop wait;
    QTimer::singleShot(splashMilliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);

    QCoreApplication::setApplicationName(AppInfo::title());

    m_splashShownFor = shown.elapsed();
    m_dm = std::make_unique<TDM1>(m_folder);
    if (!m_dm->connect())
        return fail();

    try {
        m_main = std::make_unique<TFmain1>(*m_dm);
    } catch (const DbError&) {
        return fail();
    }
    m_main->openStartupWindows();

    m_splash->hide();
    QCoreApplication::processEvents();
    m_splash.reset();

    if (!login(*m_dm)) {
        m_exitCode = 0;
        return false;
    }
    return true;
}

bool Startup::fail() {
    m_splash.reset();
    Messages::error(nullptr, AppInfo::databaseMissingText());
    m_exitCode = 1;
    return false;
}
