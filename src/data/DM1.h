#pragma once

#include "data/Database.h"
#include "data/Dataset.h"

#include <QObject>

#include <memory>

// The data module: the one connection and one shared dataset per table, for the whole run.
// Every window on a table works through that table's dataset here, so they share rows and
// current row. ATdanwei1 is the shop row, opened whole and kept open.
class TDM1 : public QObject {
    Q_OBJECT
public:
    // Creates the datasets on the database of the given folder (the program passes its own).
    explicit TDM1(const QString& folder, QObject* parent = nullptr);
    ~TDM1() override;

    // Opens the connection and ATdanwei1. False on any failure: the file is missing, is not a
    // database, lacks the tables or holds no shop row.
    bool connect();

    Database& db() { return m_db; }

    // The shop row; reopened here when something closed it.
    Dataset& danwei();

    // The running program's data module (set while one exists).
    static TDM1* instance();

    Dataset* AQsp1;
    Dataset* AQkcfx1;
    Dataset* AQlb1;
    Dataset* AQdw1;
    Dataset* AQghs1;
    Dataset* AQkh1;
    Dataset* AQdj1;
    Dataset* AQyg1;
    Dataset* AQzp1;
    Dataset* AQduihuan1;
    Dataset* AQcgfx1;
    Dataset* AQxsz1;
    Dataset* AQxsc1;
    Dataset* AQxsfx1;
    Dataset* AQrkfx1;
    Dataset* AQckfx1;
    Dataset* AQrklx1;
    Dataset* AQcklx1;
    Dataset* AQyffx1;
    Dataset* AQysfx1;
    Dataset* AQfkfx1;
    Dataset* AQskfx1;
    Dataset* AQszfx1;
    Dataset* AQszxm1;
    Dataset* AQcgtj1;
    Dataset* AQxstj1;
    Dataset* AQxstj2;
    Dataset* AQyhsz1;
    Dataset* AQquanxian1;
    Dataset* ATdanwei1;

    // Every dataset, in the order above (ATdanwei1 last).
    QList<Dataset*> datasets() const { return m_all; }
    Dataset* dataset(const QString& name) const;

private:
    Dataset* make(const char* name, const char* table);

    Database m_db;
    QList<Dataset*> m_all;
};
