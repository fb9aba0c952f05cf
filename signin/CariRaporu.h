#pragma once

#include <QDate>
#include <QString>

class DSConnection;

// One customer report as the server makes it: a PDF in a stream.
struct RaporIstegi
{
    int raporno = 0; // also sent as the section
    int carino = 0;
    int idno = 0; // the signed-in user's record number
    QString saticiadi;
    QDate tarih1;
    QDate tarih2;
};

// Documents folder, "/rapor", report number plus customer number, ".pdf" (rapor126.pdf for
// report 6 of customer 120).
QString RaporDosyasi(int raporno, int carino);

// Blocking, for a worker: deletes an old file of that name, fetches the report over the
// connection (opened without a check) in 1 KiB pieces and writes it only when it arrived whole.
// Errors are swallowed; the answer is whether the file exists afterwards.
bool RaporIndir(DSConnection &baglanti, const RaporIstegi &istek, const QString &dosya);
