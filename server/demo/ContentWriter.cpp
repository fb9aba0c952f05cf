#include "ContentWriter.h"

#include "Dates.h"
#include "Formats.h"
#include "PdfReport.h"
#include "ScreenPicture.h"
#include "SqliteDb.h"

namespace {

struct Company
{
    int type;
    const char *name;
    const char *warning;
};
const Company companies[] = {
    {1, "ANADOLU KARGO", "Cumartesi teslimat yapılmaz."},
    {1, "MARMARA EKSPRES KARGO", ""},
    {1, "EGE HIZLI KARGO", "Alıcı ödemeli gönderim yapılmaz."},
    {2, "KONYA BÜYÜK AMBAR", "Teslimat 2-3 iş günüdür."},
    {2, "BAŞKENT NAKLİYAT AMBARI", ""},
    {2, "İZMİR EGE AMBARI", "Ambar teslimlerinde hasar kontrolü yapınız."},
    {3, "ŞEHİR İÇİ MOTOKURYE", "Sadece şehir içi, 10 kg altı paketler."},
    {3, "ARAÇLI KURYE", "Saat 15:00'e kadar verilen siparişler aynı gün teslim edilir."},
};

struct Screen
{
    int kind; // 1 opening advert, 2 announcement
    const char *title;
    const char *text;
    const char *search;
    int hue;
};
const Screen screens[] = {
    {1, "Kampanyalı Ürünler", "Seçili ürünlerde %20'ye varan indirim", "#KAMPANYA#", 0},
    {1, "Yeni Gelen Ürünler", "Kataloğumuza yeni eklenen parçaları inceleyin", "#YENİ#", 210},
    {1, "Fren Balatalarında Fırsat", "Tüm markalarda uygun fiyat, hızlı teslimat", "FREN BALATASI", 25},
    {2, "Yaz Bakım Kampanyası", "Klima ve soğutma ürünlerinde kampanya başladı", "#KAMPANYA#", 190},
    {2, "Yeni Ürünler Stokta", "Yeni gelen ürünler listesini görmek için tıklayın", "#YENİ#", 120},
    {2, "Triger Setlerinde Yeni Marka", "Triger setleri ve devirdaim pompaları stokta", "TRIGER SETI", 280},
    {2, "Bayram Tatili Duyurusu", "Bayram süresince sevkiyat yapılmayacaktır", " ", 330},
};

const char *const notices[] = {
    "<b>Parvela Oto Yedek Parça</b> B2B sipariş sistemine hoş geldiniz",
    "Saat <font color=\"#B01E23\"><b>16:00</b></font>'ya kadar verilen siparişler aynı gün kargoda",
    "Kampanyalı ürünlerde <b>%20</b>'ye varan indirim",
};

QByteArray priceList(SqliteDb &db, const char *title, const char *condition)
{
    PdfReport report(QString::fromUtf8(title));
    report.setSubtitle(QStringLiteral("Fiyatlara KDV dahil değildir. Geçerlilik: %1").arg(Formats::date(Dates::now())));
    report.setColumns({{QStringLiteral("Kod"), 2}, {QStringLiteral("Açıklama"), 6}, {QStringLiteral("Marka"), 2},
                       {QStringLiteral("Liste Fiyatı"), 2, true}, {QStringLiteral("Kampanya"), 2, true}});
    SqliteStatement q = db.prepare(QByteArray("SELECT finishkod, adi, marka, listefiyat, kampfiyat FROM stok WHERE ")
                                   + condition + " ORDER BY anagrup, adi LIMIT 150");
    while (q.step())
        report.addRow({q.text(0), q.text(1), q.text(2), Formats::amount(q.real(3)),
                       q.real(4) > 0 ? Formats::amount(q.real(4)) : QString()});
    return report.render();
}

QByteArray agreement()
{
    PdfReport report(QStringLiteral("Bayi Çalışma Esasları"));
    report.setSubtitle(QStringLiteral("Parvela Oto Yedek Parça"));
    report.addNote(QStringLiteral("1. Siparişler B2B sistemi üzerinden verilir; saat 16:00'ya kadar verilen siparişler aynı gün sevk edilir."));
    report.addNote(QStringLiteral("2. Ödemeler cari vadesinde yapılır; vadesi geçen bakiyelerde yeni sipariş onayı satış temsilcisine bağlıdır."));
    report.addNote(QStringLiteral("3. Hatalı veya hasarlı gelen ürünler 15 gün içinde faturası ile iade edilebilir."));
    report.addNote(QStringLiteral("4. Kampanyalı ürünlerde ek iskonto uygulanmaz."));
    return report.render();
}

QByteArray codeList(SqliteDb &db)
{
    QByteArray csv = "\xEF\xBB\xBFKod;Barkod;Açıklama;Marka;OEM No\r\n";
    SqliteStatement q = db.prepare("SELECT finishkod, barkod, adi, marka, oemno FROM stok ORDER BY stokno LIMIT 1000");
    while (q.step()) {
        QStringList cells;
        for (int i = 0; i < 5; ++i)
            cells.append(q.text(i));
        csv += cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return csv;
}

} // namespace

void ContentWriter::writeChoices()
{
    m_db.exec("INSERT INTO teslim (id, adi, sira) VALUES (1, 'Depodan Teslim Alacağım', 1),"
              " (2, 'Kargo ile Gönderilsin', 2), (3, 'Servis Aracı ile Gönderilsin', 3);"
              "INSERT INTO kargo_turu (id, adi, sira) VALUES (1, 'Kargo', 1), (2, 'Ambar', 2), (3, 'Kurye', 3);");
    SqliteStatement q = m_db.cached("INSERT INTO kargo_firma (turid, adi, uyari) VALUES (?, ?, ?)");
    for (const Company &c : companies)
        q.bindAll(c.type, c.name, c.warning).run();
}

void ContentWriter::writeNotices()
{
    m_db.cached("INSERT OR REPLACE INTO ayar (anahtar, deger) VALUES ('banner', ?)")
        .bind(1, QStringLiteral("PARVELA OTO YEDEK PARÇA\nAynı gün kargo, 81 ile teslimat\n"
                                "Kampanyalı ürünlerde %20'ye varan indirim"))
        .run();
    SqliteStatement text = m_db.cached("INSERT INTO kayan_yazi (sira, metin) VALUES (?, ?)");
    for (int i = 0; i < int(std::size(notices)); ++i)
        text.bindAll(i + 1, notices[i]).run();
    SqliteStatement screen = m_db.cached("INSERT INTO acilis_ekrani (tur, sira, baslik, arama, resim) VALUES (?, ?, ?, ?, ?)");
    int order = 0;
    for (const Screen &s : screens) {
        // Adverts are shown at 600 x 400, announcements in rows of 605 x 405.
        const QSize size = s.kind == 1 ? QSize(600, 400) : QSize(605, 405);
        screen.bindAll(s.kind, ++order, s.title, s.search)
            .bindBlob(5, ScreenPicture::jpeg(size, QString::fromUtf8(s.title), QString::fromUtf8(s.text), s.hue))
            .run();
    }
}

void ContentWriter::writeFiles()
{
    struct File
    {
        const char *description;
        const char *name;
        QByteArray content;
    };
    const File files[] = {
        {"Fiyat Listesi", "fiyat-listesi.pdf", priceList(m_db, "Fiyat Listesi", "kampanya = 0")},
        {"Kampanya Broşürü", "kampanya-brosuru.pdf", priceList(m_db, "Kampanyalı Ürünler", "kampanya > 0")},
        {"Bayi Çalışma Esasları", "bayi-calisma-esaslari.pdf", agreement()},
        {"Stok Kodları Listesi", "stok-kodlari.csv", codeList(m_db)},
    };
    SqliteStatement q = m_db.cached("INSERT INTO dosya (aciklama, dosyaadi, icerik, tarih) VALUES (?, ?, ?, ?)");
    for (const File &f : files)
        q.bindAll(f.description, f.name).bindBlob(3, f.content).bind(4, Dates::now()).run();
}
