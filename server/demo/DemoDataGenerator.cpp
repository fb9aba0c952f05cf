#include "DemoDataGenerator.h"

#include "AccountWriter.h"
#include "CatalogueWriter.h"
#include "ContentWriter.h"
#include "DSException.h"
#include "Dates.h"
#include "DemoRandom.h"
#include "HistoryWriter.h"
#include "SqliteDb.h"
#include "Transaction.h"

bool DemoDataGenerator::isEmpty()
{
    return m_db.scalarInt("SELECT (SELECT COUNT(*) FROM stok) + (SELECT COUNT(*) FROM kullanici)") == 0;
}

void DemoDataGenerator::generate(const Options &options)
{
    if (options.stockCount < 1 || options.customerCount < 4)
        throw DSException(QStringLiteral("Demo verisi en az 1 stok ve 4 cari ister"));
    DemoRandom random(options.seed);
    Transaction tx(m_db);
    ContentWriter content(m_db);
    content.writeChoices();
    AccountWriter(m_db, random).write(options.customerCount);
    CatalogueWriter(m_db, random).write(options.stockCount);
    HistoryWriter(m_db, random, options.stockCount).write();
    content.writeNotices();
    content.writeFiles();
    tx.commit();
    m_db.exec("PRAGMA optimize");
}

void DemoDataGenerator::registerWorkstation(const QString &workstationId, const QString &userName)
{
    if (workstationId.trimmed().isEmpty())
        throw DSException(QStringLiteral("İş istasyonu kimliği boş olamaz"));
    Transaction tx(m_db);
    SqliteStatement user = m_db.prepare("SELECT sirano FROM kullanici WHERE adi = ?");
    user.bind(1, userName);
    if (!user.step())
        throw DSException(QStringLiteral("Kullanıcı bulunamadı: %1").arg(userName));
    m_db.prepare("INSERT OR REPLACE INTO istasyon (bilgisayarid, kullanici, kayit) VALUES (?, ?, ?)")
        .bindAll(workstationId, user.int32(0), Dates::now())
        .run();
    user.reset();
    tx.commit();
}
