#pragma once

#include <QString>

#include <functional>
#include <memory>

class QApplication;
class SplashWindow;
class TDM1;
class TFmain1;

// The program's start: splash, data module, main window, login. main() runs it and then shows
// the main window; tests run it on a temporary folder with their own login.
class Startup {
public:
    // folder: where the database lies (the program passes its own folder).
    explicit Startup(const QString& folder);
    ~Startup();

    // Application-wide settings that come before any window: Chinese texts for Qt's own
    // buttons and the screen font.
    static void prepareApplication(QApplication& app);

    // How long the splash shows before the database is opened.
    int splashMilliseconds = 1000;
    // The login: true when an operator logged in (AQyhsz1 then holds the operator's row). The
    // default shows the login window.
    std::function<bool(TDM1&)> login;

    // Splash, data module, main window, login. True when the main window is ready to be shown;
    // false when the program must end (with exitCode()).
    bool run();
    int exitCode() const { return m_exitCode; }

    TDM1* dm() const { return m_dm.get(); }
    TFmain1* mainWindow() const { return m_main.get(); }
    // Milliseconds between showing the splash and opening the database.
    qint64 splashShownFor() const { return m_splashShownFor; }

private:
    bool fail(); // the database-missing message; the program ends

    QString m_folder;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<TDM1> m_dm;
    std::unique_ptr<TFmain1> m_main; // after m_dm: destroyed before the data module
    int m_exitCode = 0;
    qint64 m_splashShownFor = 0;
};
