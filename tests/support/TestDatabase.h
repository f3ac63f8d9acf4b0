#pragma once

#include "data/DM1.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

// A fresh shop database in a temporary folder with its data module connected, and a fixed
// "today" (2010-05-04 10:00) for the fixture's lifetime.
class TestDatabase {
public:
    explicit TestDatabase(const QDateTime& now = QDateTime(QDate(2010, 5, 4), QTime(10, 0)));
    ~TestDatabase();

    QString folder() const { return m_dir.path(); }
    TDM1& dm() { return *m_dm; }
    Database& db() { return m_dm->db(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TDM1> m_dm;
};
