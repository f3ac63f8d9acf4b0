#include "app/Startup.h"
#include "app/TFmain1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::prepareApplication(app);

    Startup startup(QCoreApplication::applicationDirPath());
    if (!startup.run())
        return startup.exitCode();
    TFmain1* main = startup.mainWindow();
    // Fill the screen also where no window manager maximises the window.
    if (QScreen* screen = main->screen())
        main->setGeometry(screen->availableGeometry());
    main->showMaximized();
    return app.exec();
}
