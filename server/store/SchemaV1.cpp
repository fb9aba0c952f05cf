// Version 1 of the order store: catalogue, accounts, baskets, orders, statement, documents,
// opening screens, notices and the outbox. Dates are day counts since 30 December 1899 with
// the time as fraction, the form they travel in; amounts go through YUVARLA.

extern const char *const schemaV1 = R"SQL(
CREATE TABLE ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL);

CREATE TABLE satici (
  saticino INTEGER PRIMARY KEY,
  adi TEXT NOT NULL,
  mail TEXT NOT NULL DEFAULT '',
  telefon TEXT NOT NULL DEFAULT ''
);

CREATE TABLE cari (
  carino INTEGER PRIMARY KEY,
  carikod TEXT NOT NULL UNIQUE,
  cariadi TEXT NOT NULL,
  saticino INTEGER REFERENCES satici(saticino),
  ozelkod TEXT NOT NULL DEFAULT '', anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '',
  yetkili TEXT NOT NULL DEFAULT '', adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '',
  ilce TEXT NOT NULL DEFAULT '', il TEXT NOT NULL DEFAULT '', ulke TEXT NOT NULL DEFAULT 'TÜRKİYE',
  vergidairesi TEXT NOT NULL DEFAULT '', vergino TEXT NOT NULL DEFAULT '',
  tel1 TEXT NOT NULL DEFAULT '', tel2 TEXT NOT NULL DEFAULT '', fax1 TEXT NOT NULL DEFAULT '',
  fax2 TEXT NOT NULL DEFAULT '', gsm TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT '',
  vade INTEGER NOT NULL DEFAULT 30,
  indirim REAL NOT NULL DEFAULT 0 CHECK (indirim BETWEEN 0 AND 100),
  kod1 TEXT NOT NULL DEFAULT '', kod2 TEXT NOT NULL DEFAULT '', kod3 TEXT NOT NULL DEFAULT '',
  kod4 TEXT NOT NULL DEFAULT '', kod5 TEXT NOT NULL DEFAULT '',
  vadekontrolgun INTEGER NOT NULL DEFAULT 0, vadekontrolay INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE kullanici (
  sirano INTEGER PRIMARY KEY,
  adi TEXT NOT NULL UNIQUE,
  sifre TEXT NOT NULL,
  tip INTEGER NOT NULL CHECK (tip BETWEEN 0 AND 4),
  aktif INTEGER NOT NULL DEFAULT 1,
  carino INTEGER REFERENCES cari(carino),
  saticino INTEGER REFERENCES satici(saticino),
  mail TEXT NOT NULL DEFAULT ''
);

CREATE TABLE istasyon (
  bilgisayarid TEXT PRIMARY KEY,
  kullanici INTEGER NOT NULL REFERENCES kullanici(sirano),
  kayit REAL NOT NULL
);

CREATE TABLE stok (
  stokno INTEGER PRIMARY KEY,
  barkod TEXT NOT NULL, finishkod TEXT NOT NULL, adi TEXT NOT NULL, digeradi TEXT NOT NULL DEFAULT '',
  oem1 TEXT NOT NULL DEFAULT '', oem2 TEXT NOT NULL DEFAULT '', oem3 TEXT NOT NULL DEFAULT '',
  oem4 TEXT NOT NULL DEFAULT '', oemno TEXT NOT NULL DEFAULT '', ureticikodu TEXT NOT NULL DEFAULT '',
  barkodno TEXT NOT NULL DEFAULT '', dpkod TEXT NOT NULL DEFAULT '', pkod TEXT NOT NULL DEFAULT '',
  birim TEXT NOT NULL DEFAULT 'ADET', marka TEXT NOT NULL DEFAULT '', model TEXT NOT NULL DEFAULT '',
  anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '',
  kdv INTEGER NOT NULL DEFAULT 20,
  listefiyat REAL NOT NULL CHECK (listefiyat >= 0),
  kampfiyat REAL NOT NULL DEFAULT 0,
  yeni INTEGER NOT NULL DEFAULT 0,
  kampanya INTEGER NOT NULL DEFAULT 0,
  durum INTEGER NOT NULL DEFAULT 1 CHECK (durum BETWEEN 0 AND 5),
  kalan REAL NOT NULL DEFAULT 0,
  alinansiparis REAL NOT NULL DEFAULT 0,
  verilensiparis REAL NOT NULL DEFAULT 0,
  resim INTEGER NOT NULL DEFAULT 0,
  arama TEXT NOT NULL
);
CREATE INDEX stok_yeni ON stok(stokno) WHERE yeni = 1;
CREATE INDEX stok_kampanya ON stok(stokno) WHERE kampanya > 0;

-- Substring search over codes, names, brands and models (folded to plain capitals). A bulk
-- load sets ayar 'toplu_yukleme' and rebuilds the index once at its end instead.
CREATE VIRTUAL TABLE stok_ara USING fts5(arama, content='stok', content_rowid='stokno', tokenize='trigram');
CREATE TRIGGER stok_ara_ekle AFTER INSERT ON stok
WHEN NOT EXISTS (SELECT 1 FROM ayar WHERE anahtar = 'toplu_yukleme') BEGIN
  INSERT INTO stok_ara(rowid, arama) VALUES (new.stokno, new.arama);
END;
CREATE TRIGGER stok_ara_sil AFTER DELETE ON stok BEGIN
  INSERT INTO stok_ara(stok_ara, rowid, arama) VALUES ('delete', old.stokno, old.arama);
END;
CREATE TRIGGER stok_ara_degis AFTER UPDATE OF arama ON stok BEGIN
  INSERT INTO stok_ara(stok_ara, rowid, arama) VALUES ('delete', old.stokno, old.arama);
  INSERT INTO stok_ara(rowid, arama) VALUES (new.stokno, new.arama);
END;

CREATE TABLE teslim (id INTEGER PRIMARY KEY, adi TEXT NOT NULL, sira INTEGER NOT NULL DEFAULT 0);
CREATE TABLE kargo_turu (id INTEGER PRIMARY KEY, adi TEXT NOT NULL, sira INTEGER NOT NULL DEFAULT 0);
CREATE TABLE kargo_firma (
  sirano INTEGER PRIMARY KEY,
  turid INTEGER NOT NULL REFERENCES kargo_turu(id),
  adi TEXT NOT NULL,
  uyari TEXT NOT NULL DEFAULT ''
);

CREATE TABLE sepet (
  sirano INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  barkod TEXT NOT NULL DEFAULT '', stokadi TEXT NOT NULL DEFAULT '',
  miktar REAL NOT NULL CHECK (miktar > 0),
  kdv REAL NOT NULL CHECK (kdv >= 0),
  birimfiyat REAL NOT NULL CHECK (birimfiyat >= 0),
  indirim1 REAL NOT NULL DEFAULT 0 CHECK (indirim1 BETWEEN 0 AND 100),
  indirim2 REAL NOT NULL DEFAULT 0, indirim3 REAL NOT NULL DEFAULT 0,
  verenidno INTEGER NOT NULL DEFAULT 0,
  kampanya INTEGER NOT NULL DEFAULT 0,
  sec INTEGER NOT NULL DEFAULT 1,
  tarih REAL NOT NULL, saat TEXT NOT NULL,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX sepet_cari ON sepet(carino);

-- durum: 1 alındı, 2 onaylandı, 3 görüldü, 4 parçalı hazırlandı, 5 hazırlandı, 6 sevk edildi
CREATE TABLE siparis (
  idno INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL, saat TEXT NOT NULL,
  teslimid INTEGER NOT NULL REFERENCES teslim(id),
  kargoid INTEGER NOT NULL REFERENCES kargo_turu(id),
  kargofirmaid INTEGER NOT NULL REFERENCES kargo_firma(sirano),
  durum INTEGER NOT NULL DEFAULT 1 CHECK (durum BETWEEN 1 AND 6),
  verenidno INTEGER NOT NULL DEFAULT 0,
  veren TEXT NOT NULL DEFAULT '',
  mesaj TEXT NOT NULL DEFAULT '',
  bizimmesaj TEXT NOT NULL DEFAULT '',
  saticinotu TEXT NOT NULL DEFAULT '',
  kur TEXT NOT NULL DEFAULT 'TL', kurtl REAL NOT NULL DEFAULT 1
);
CREATE INDEX siparis_cari ON siparis(carino, idno);

CREATE TABLE siparis_satir (
  sirano INTEGER PRIMARY KEY,
  idno INTEGER NOT NULL REFERENCES siparis(idno) ON DELETE CASCADE,
  sepetsirano INTEGER NOT NULL DEFAULT 0,
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  barkod TEXT NOT NULL DEFAULT '', stokadi TEXT NOT NULL DEFAULT '',
  miktar REAL NOT NULL CHECK (miktar > 0),
  kdv REAL NOT NULL,
  birimfiyat REAL NOT NULL CHECK (birimfiyat >= 0),
  ilkfiyat REAL NOT NULL,
  indirim1 REAL NOT NULL DEFAULT 0 CHECK (indirim1 BETWEEN 0 AND 100),
  indirim2 REAL NOT NULL DEFAULT 0, indirim3 REAL NOT NULL DEFAULT 0,
  teslimedilen REAL NOT NULL DEFAULT 0 CHECK (teslimedilen >= 0),
  bakiye REAL NOT NULL CHECK (bakiye >= 0),
  verenidno INTEGER NOT NULL DEFAULT 0, veren TEXT NOT NULL DEFAULT '',
  tarih REAL NOT NULL, saat TEXT NOT NULL,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX siparis_satir_siparis ON siparis_satir(idno);
CREATE INDEX siparis_satir_acik ON siparis_satir(idno) WHERE bakiye > 0;

CREATE TABLE fatura (
  idno INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  evrakno TEXT NOT NULL, tarih REAL NOT NULL, saat TEXT NOT NULL,
  turadi TEXT NOT NULL,
  iade INTEGER NOT NULL DEFAULT 0,
  vade INTEGER NOT NULL DEFAULT 30,
  saticiadi TEXT NOT NULL DEFAULT '',
  siparisidno INTEGER REFERENCES siparis(idno),
  irsaliyeno TEXT NOT NULL DEFAULT '', irsaliyetarihi REAL,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX fatura_cari ON fatura(carino);

CREATE TABLE fatura_satir (
  sirano INTEGER PRIMARY KEY,
  idno INTEGER NOT NULL REFERENCES fatura(idno) ON DELETE CASCADE,
  stokno INTEGER NOT NULL REFERENCES stok(stokno),
  miktar REAL NOT NULL,
  birimfiyat REAL NOT NULL,
  indirim1 REAL NOT NULL DEFAULT 0, indirim2 REAL NOT NULL DEFAULT 0,
  kdv REAL NOT NULL DEFAULT 20,
  aciklama TEXT NOT NULL DEFAULT ''
);
CREATE INDEX fatura_satir_fatura ON fatura_satir(idno);

-- turadi: 'Tahsilat' (money received) or 'Tediye' (money paid back)
CREATE TABLE tahsilat (
  idno INTEGER PRIMARY KEY,
  carino INTEGER NOT NULL REFERENCES cari(carino),
  tarih REAL NOT NULL, saat TEXT NOT NULL,
  turadi TEXT NOT NULL, cins TEXT NOT NULL, evrakno TEXT NOT NULL,
  vade REAL NOT NULL,
  tutar REAL NOT NULL CHECK (tutar > 0),
  aciklama TEXT NOT NULL DEFAULT '', ref TEXT NOT NULL DEFAULT ''
);
CREATE INDEX tahsilat_cari ON tahsilat(carino);

CREATE TABLE sanalpos (
  sirano INTEGER PRIMARY KEY,
  tahsilatidno INTEGER NOT NULL UNIQUE REFERENCES tahsilat(idno),
  kartsahibi TEXT NOT NULL, kartno TEXT NOT NULL, banka TEXT NOT NULL,
  taksit INTEGER NOT NULL DEFAULT 1, onaykodu TEXT NOT NULL
);

CREATE TABLE dosya (
  sirano INTEGER PRIMARY KEY,
  aciklama TEXT NOT NULL, dosyaadi TEXT NOT NULL,
  icerik BLOB NOT NULL, tarih REAL NOT NULL
);

-- tur: 1 opening advert, 2 announcement
CREATE TABLE acilis_ekrani (
  sirano INTEGER PRIMARY KEY,
  tur INTEGER NOT NULL CHECK (tur IN (1, 2)),
  sira INTEGER NOT NULL,
  baslik TEXT NOT NULL, arama TEXT NOT NULL DEFAULT '',
  resim BLOB
);

CREATE TABLE kayan_yazi (sirano INTEGER PRIMARY KEY, sira INTEGER NOT NULL, metin TEXT NOT NULL);

-- Requests and mails the client sends; kept here, never delivered anywhere.
CREATE TABLE giden_kutusu (
  sirano INTEGER PRIMARY KEY,
  tarih REAL NOT NULL,
  tur TEXT NOT NULL, bilgisayarid TEXT NOT NULL, konu TEXT NOT NULL,
  alanlar TEXT NOT NULL
);

CREATE TABLE oturum_olayi (
  sirano INTEGER PRIMARY KEY,
  tarih REAL NOT NULL, tur TEXT NOT NULL,
  kullanici INTEGER NOT NULL, bilgisayarid TEXT NOT NULL
);

-- One basket line with its amounts: net unit price as the add-to-basket dialog shows it,
-- discount amount from the gross amount, VAT on the net amount.
CREATE VIEW sepet_satiri AS
WITH h AS (
  SELECT b.*, YUVARLA(b.miktar * b.birimfiyat) AS tutar FROM sepet b
), t AS (
  SELECT h.*,
         h.tutar - YUVARLA(h.tutar * (1 - h.indirim1 / 100.0) * (1 - h.indirim2 / 100.0) * (1 - h.indirim3 / 100.0)) AS indirimtutar
  FROM h
)
SELECT t.sec AS SEC, t.tarih AS VERILISTARIHI, t.sirano AS SIRANO, 0 AS SIPARISNO, t.carino AS CARINO,
       t.tarih AS TARIH, 0 AS AKTAR, t.stokno AS STOKNO, t.barkod AS BARKOD, s.finishkod AS FINISHKOD,
       s.oemno AS OEMNO, t.stokadi AS STOKADI, t.miktar AS MIKTAR, t.birimfiyat AS BIRIMFIYAT, t.tutar AS TUTAR,
       t.indirim1 AS INDIRIMORANI1, t.indirim2 AS INDIRIMORANI2, t.indirim3 AS INDIRIMORANI3,
       t.indirimtutar AS INDIRIMTUTAR,
       t.birimfiyat - YUVARLA(t.birimfiyat * t.indirim1 / 100.0) AS NETBIRIMFIYAT,
       t.kdv AS KDV, YUVARLA((t.tutar - t.indirimtutar) * t.kdv / 100.0) AS VERGITUTARI,
       t.tutar - t.indirimtutar AS NETTUTAR, 'TL' AS KUR, 1.0 AS KURTL, t.verenidno AS VERENIDNO, t.saat AS SAAT,
       0 AS TESLIMID, 0 AS KARGOID, t.aciklama AS ACIKLAMA, 0 AS IDNO, t.verenidno AS VERENSIRANO,
       COALESCE(u.adi, '') AS VEREN, c.carikod AS CARIKOD, c.cariadi AS CARIADI,
       s.oem1 AS OEM1, s.oem2 AS OEM2, s.oem3 AS OEM3, s.oem4 AS OEM4, s.stokno AS STOK_STOKNO,
       s.ureticikodu AS URETICIKODU, s.digeradi AS DIGERADI, s.dpkod AS DPKOD, s.marka AS MARKA, s.model AS MODEL,
       s.anagrup AS ANAGRUP, s.ozelkod AS OZELKOD, s.pkod AS PKOD, s.durum AS DURUM, s.kalan AS KALAN
FROM t
JOIN stok s ON s.stokno = t.stokno
JOIN cari c ON c.carino = t.carino
LEFT JOIN kullanici u ON u.sirano = t.verenidno;

-- One order line with its amounts, its order's data and the open quantity (KALAN).
CREATE VIEW siparis_satiri AS
WITH h AS (
  SELECT l.*, YUVARLA(l.miktar * l.birimfiyat) AS tutar FROM siparis_satir l
), t AS (
  SELECT h.*,
         h.tutar - YUVARLA(h.tutar * (1 - h.indirim1 / 100.0) * (1 - h.indirim2 / 100.0) * (1 - h.indirim3 / 100.0)) AS indirimtutar
  FROM h
)
SELECT o.tarih AS VERILISTARIHI, t.sepetsirano AS SIRANO, o.idno AS SIPARISNO, o.carino AS CARINO,
       t.tarih AS TARIH, CASE WHEN o.durum > 1 THEN 1 ELSE 0 END AS AKTAR, t.stokno AS STOKNO,
       t.barkod AS BARKOD, s.finishkod AS FINISHKOD, s.oemno AS OEMNO, t.stokadi AS STOKADI,
       t.miktar AS MIKTAR, t.birimfiyat AS BIRIMFIYAT, t.ilkfiyat AS ILKFIYAT, t.tutar AS TUTAR,
       t.indirim1 AS INDIRIMORANI1, t.indirim2 AS INDIRIMORANI2, t.indirim3 AS INDIRIMORANI3,
       t.indirimtutar AS INDIRIMTUTAR,
       t.birimfiyat - YUVARLA(t.birimfiyat * t.indirim1 / 100.0) AS NETBIRIMFIYAT,
       t.kdv AS KDV, YUVARLA((t.tutar - t.indirimtutar) * t.kdv / 100.0) AS VERGITUTARI,
       t.tutar - t.indirimtutar AS NETTUTAR, o.kur AS KUR, o.kurtl AS KURTL, t.verenidno AS VERENIDNO,
       o.teslimid AS TESLIMID, o.kargoid AS KARGOID, o.idno AS IDNO, t.verenidno AS VERENSIRANO,
       s.stokno AS STOK_STOKNO, s.ureticikodu AS URETICIKODU, t.saat AS SAAT, t.aciklama AS ACIKLAMA,
       t.veren AS VEREN, c.carikod AS CARIKOD, c.cariadi AS CARIADI,
       s.oem1 AS OEM1, s.oem2 AS OEM2, s.oem3 AS OEM3, s.oem4 AS OEM4, s.digeradi AS DIGERADI,
       s.dpkod AS DPKOD, s.pkod AS PKOD, s.marka AS MARKA, s.model AS MODEL, s.anagrup AS ANAGRUP,
       s.ozelkod AS OZELKOD, d.adi AS TESLIM, k.adi AS KARGO, t.teslimedilen AS TESLIMEDILEN,
       t.bakiye AS KALAN, t.sirano AS STOKHAR_NO, s.kalan AS ELDEKI, s.durum AS DURUM,
       s.alinansiparis AS ALINANSIPARIS, s.verilensiparis AS VERILENSIPARIS
FROM t
JOIN siparis o ON o.idno = t.idno
JOIN stok s ON s.stokno = t.stokno
JOIN cari c ON c.carino = o.carino
JOIN teslim d ON d.id = o.teslimid
JOIN kargo_turu k ON k.id = o.kargoid;

-- One invoice line with its amounts.
CREATE VIEW fatura_satiri AS
WITH h AS (
  SELECT l.*, YUVARLA(l.miktar * l.birimfiyat) AS tutar FROM fatura_satir l
), t AS (
  SELECT h.*, YUVARLA(h.tutar * (1 - h.indirim1 / 100.0) * (1 - h.indirim2 / 100.0)) AS net FROM h
)
SELECT t.idno AS IDNO, t.sirano AS SATIRNO, t.stokno AS STOKNO, t.miktar AS MIKTAR, t.birimfiyat AS BIRIMFIYAT,
       t.indirim1 AS INDIRIM1, t.indirim2 AS INDIRIM2, t.kdv AS KDV, t.tutar AS TUTAR, t.tutar - t.net AS INDIRIM,
       t.net AS NET, YUVARLA(t.net * t.kdv / 100.0) AS VERGI, t.aciklama AS ACIKLAMA
FROM t;

CREATE VIEW fatura_toplami AS
SELECT IDNO, YUVARLA(SUM(TUTAR)) AS TOPLAM, YUVARLA(SUM(INDIRIM)) AS TOPLAMINDIRIM, YUVARLA(SUM(NET)) AS MATRAH,
       YUVARLA(SUM(VERGI)) AS KDVTUTAR, YUVARLA(SUM(NET) + SUM(VERGI)) AS KDVDAHIL
FROM fatura_satiri GROUP BY IDNO;

-- The account statement: invoices as debit (returns as credit), collections as credit
-- (payments back to the customer as debit). BAKIYE and D are filled by the client.
CREATE VIEW cari_ekstre AS
SELECT f.carino AS CARINO, f.tarih AS TARIH, f.turadi AS TURADI, f.evrakno AS EVRAK,
       CASE WHEN f.iade THEN 0.0 ELSE COALESCE(t.KDVDAHIL, 0.0) END AS BORC,
       CASE WHEN f.iade THEN COALESCE(t.KDVDAHIL, 0.0) ELSE 0.0 END AS ALACAK,
       'TL' AS KUR, 0.0 AS BAKIYE, ' ' AS D, f.idno AS IDNO, f.aciklama AS ACIKLAMA,
       f.tarih + f.vade AS VADE, 1 AS SIRA
FROM fatura f LEFT JOIN fatura_toplami t ON t.IDNO = f.idno
UNION ALL
SELECT h.carino, h.tarih, h.turadi, h.evrakno,
       CASE WHEN h.turadi = 'Tediye' THEN h.tutar ELSE 0.0 END,
       CASE WHEN h.turadi = 'Tediye' THEN 0.0 ELSE h.tutar END,
       'TL', 0.0, ' ', h.idno, h.aciklama, h.vade, 2
FROM tahsilat h;

CREATE VIEW cari_bakiye AS
SELECT c.carino AS CARINO, YUVARLA(COALESCE(SUM(e.BORC), 0)) AS BORC, YUVARLA(COALESCE(SUM(e.ALACAK), 0)) AS ALACAK,
       YUVARLA(COALESCE(SUM(e.BORC), 0) - COALESCE(SUM(e.ALACAK), 0)) AS BAKIYE
FROM cari c LEFT JOIN cari_ekstre e ON e.CARINO = c.carino
GROUP BY c.carino;

INSERT INTO ayar (anahtar, deger) VALUES ('surum', '27');
)SQL";
