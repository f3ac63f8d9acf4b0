// Creates the shop's default database in the given folder when there is none; never touches an
// existing one. Used by the build and by run.sh.
#include "data/Database.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: shop-initdb FOLDER\n";
        return 2;
    }
    try {
        if (Database::createNew(args[1]))
            err << "created " << Database::filePath(args[1]) << "\n";
    } catch (const DbError& e) {
        err << "cannot create the database: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
