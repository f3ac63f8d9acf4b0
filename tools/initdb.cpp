// Prepares the program's folder: creates the default database when there is none (never touching
// an existing one) and writes the spreadsheet import templates that are missing. Used by the build
// and by run.sh.
#include "admin/SpreadsheetImport.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: shop-initdb FOLDER\n";
        return 2;
    }
    const QDir folder(args[1]);
    try {
        if (Database::createNew(folder.path()))
            err << "created " << Database::filePath(folder.path()) << "\n";
    } catch (const DbError& e) {
        err << "cannot create the database: " << e.message() << "\n";
        return 1;
    }
    for (const QString table : {QStringLiteral("sp"), QStringLiteral("ghs"), QStringLiteral("kh"),
                                QStringLiteral("zp")}) {
        const QString path = folder.filePath(SpreadsheetImport::templateFileName(table));
        if (QFileInfo::exists(path))
            continue;
        QDir().mkpath(QFileInfo(path).path());
        if (!SpreadsheetImport::writeTemplate(table, path)) {
            err << "cannot write the template " << path << "\n";
            return 1;
        }
    }
    return 0;
}
