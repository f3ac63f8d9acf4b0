#include "support/TestDatabase.h"

#include "core/Clock.h"

#include <QLocale>
#include <stdexcept>

TestDatabase::TestDatabase(const QDateTime& now) {
    QLocale::setDefault(QLocale::c());
    Clock::setFixed(now);
    if (!m_dir.isValid() || !Database::createNew(m_dir.path()))
        throw std::runtime_error("cannot create the test database");
    m_dm = std::make_unique<TDM1>(m_dir.path());
    if (!m_dm->connect())
        throw std::runtime_error("cannot connect to the test database");
}

TestDatabase::~TestDatabase() {
    m_dm.reset();
    Clock::reset();
}
