#include "support/TestDatabase.h"

#include "core/Clock.h"

#include <QFile>
#include <QLocale>
#include <stdexcept>

namespace {
// A new database costs a password hash and several syncs; make it once per test program and copy
// the file for each fixture.
QString templateDatabase() {
    static QTemporaryDir dir;
    static const bool made = dir.isValid() && Database::createNew(dir.path());
    if (!made)
        throw std::runtime_error("cannot create the test database");
    return Database::filePath(dir.path());
}
} // namespace

TestDatabase::TestDatabase(const QDateTime& now) {
    QLocale::setDefault(QLocale::c());
    Clock::setFixed(now);
    if (!m_dir.isValid() || !QFile::copy(templateDatabase(), Database::filePath(m_dir.path())))
        throw std::runtime_error("cannot create the test database");
    m_dm = std::make_unique<TDM1>(m_dir.path());
    if (!m_dm->connect())
        throw std::runtime_error("cannot connect to the test database");
}

TestDatabase::~TestDatabase() {
    m_dm.reset();
    Clock::reset();
}
