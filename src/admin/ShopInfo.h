#pragma once

#include <QString>
#include <QStringList>

class TDM1;

// The shop's own particulars and receipt-printer choice: the one row of danwei.
struct ShopInfo {
    QString mczc;  // shop name, in the main window's title
    QString mcdy;  // print heading, in front of every report title
    QString lxr, dh, cz, dz, bz1, bz2;
    QString dybz1, dybz2; // footnote of the printed sales document
    QString dybz3, dybz4; // footnote of the till receipt
    QString dy;           // printer choice, one of printerChoices()

    // The five printer choices, in the order of the radio buttons RB1 .. RB5.
    static const QStringList& printerChoices();

    // Reads the row (the table is reopened when closed). Throws DbError.
    static ShopInfo load(TDM1& dm);
    // Writes every field as given, untrimmed. Throws DbError.
    static void save(TDM1& dm, const ShopInfo& info);
};
