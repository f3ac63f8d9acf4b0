#include "app/Startup.h"
#include "app/TFmain1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::prepareApplication(app);

    Startup startup(QCoreApplication::applicationDirPath());
    if (!startup.run())
        return startup.exitCode();
    startup.mainWindow()->showMaximized();
    return app.exec();
}
