-- The delivered database: the eleven tables, the company list and the settings rows of both companies.
-- %TODAY% is replaced with the creation day as yyyymmdd.

CREATE TABLE firmalar (id INTEGER PRIMARY KEY AUTOINCREMENT, firma TEXT COLLATE NOCASE, parola TEXT,
    kasa TEXT, tarih INTEGER);
CREATE TABLE "1Stok" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    a1 TEXT COLLATE NOCASE,
    a2 TEXT COLLATE NOCASE,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    silindi INTEGER DEFAULT 0);
CREATE TABLE "1Cari" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    a1 TEXT COLLATE NOCASE,
    a2 TEXT COLLATE NOCASE,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    silindi INTEGER DEFAULT 0);
CREATE TABLE "1Belge" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    cariid INTEGER,
    bmod INTEGER,
    gircik INTEGER,
    serino TEXT COLLATE NOCASE,
    sirano TEXT COLLATE NOCASE,
    btarihi INTEGER,
    fstarihi INTEGER,
    aciklama TEXT,
    ftrdrm INTEGER,
    kdvdh INTEGER,
    kdv1 TEXT,
    kdv2 TEXT,
    kdv3 TEXT,
    iskonto TEXT,
    yekun TEXT,
    nakit TEXT,
    cek TEXT,
    belgeid INTEGER,
    stokid INTEGER,
    stokadi TEXT COLLATE NOCASE,
    miktar REAL,
    birimfiyat TEXT,
    kdvoran TEXT,
    serial TEXT COLLATE NOCASE,
    inout TEXT,
    stokinftr INTEGER,
    islem TEXT,
    silindi INTEGER NOT NULL DEFAULT 0);
CREATE INDEX "1Belge_belgeid" ON "1Belge" (belgeid);
CREATE INDEX "1Belge_stok" ON "1Belge" (stokid, inout, miktar);
CREATE INDEX "1Belge_cari" ON "1Belge" (cariid);
CREATE INDEX "1Belge_seri" ON "1Belge" (bmod, serino, sirano);
CREATE INDEX "1Belge_ftrdrm" ON "1Belge" (ftrdrm);
CREATE INDEX "1Belge_stokinftr" ON "1Belge" (stokinftr);
CREATE INDEX "1Belge_serial" ON "1Belge" (serial);
CREATE INDEX "1Belge_hesap" ON "1Belge" (cariid, bmod, gircik, yekun);
CREATE INDEX "1Belge_kasa" ON "1Belge" (bmod, btarihi, gircik, yekun);
CREATE INDEX "1Belge_alis" ON "1Belge" (inout, belgeid, stokid, miktar, birimfiyat);
CREATE TABLE "1Cek" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    vade INTEGER,
    cekno TEXT COLLATE NOCASE,
    banka TEXT,
    veren TEXT,
    alan TEXT,
    tutar TEXT,
    cdurum TEXT);
CREATE TABLE "1Ayar" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nedir TEXT,
    a1 TEXT,
    a2 TEXT,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    a19 TEXT,
    a20 TEXT,
    a21 TEXT,
    a22 TEXT,
    a23 TEXT,
    a24 TEXT,
    a25 TEXT,
    a26 TEXT,
    a27 TEXT,
    a28 TEXT,
    a29 TEXT,
    a30 TEXT,
    a31 TEXT,
    a32 TEXT,
    a33 TEXT,
    a34 TEXT,
    a35 TEXT,
    a36 TEXT,
    a37 TEXT,
    a38 TEXT,
    a39 TEXT,
    a40 TEXT,
    a41 TEXT,
    a42 TEXT,
    a43 TEXT,
    a44 TEXT,
    a45 TEXT,
    a46 TEXT,
    a47 TEXT,
    a48 TEXT,
    a49 TEXT,
    a50 TEXT);
CREATE TABLE "2Stok" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    a1 TEXT COLLATE NOCASE,
    a2 TEXT COLLATE NOCASE,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    silindi INTEGER DEFAULT 0);
CREATE TABLE "2Cari" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    a1 TEXT COLLATE NOCASE,
    a2 TEXT COLLATE NOCASE,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    silindi INTEGER DEFAULT 0);
CREATE TABLE "2Belge" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    cariid INTEGER,
    bmod INTEGER,
    gircik INTEGER,
    serino TEXT COLLATE NOCASE,
    sirano TEXT COLLATE NOCASE,
    btarihi INTEGER,
    fstarihi INTEGER,
    aciklama TEXT,
    ftrdrm INTEGER,
    kdvdh INTEGER,
    kdv1 TEXT,
    kdv2 TEXT,
    kdv3 TEXT,
    iskonto TEXT,
    yekun TEXT,
    nakit TEXT,
    cek TEXT,
    belgeid INTEGER,
    stokid INTEGER,
    stokadi TEXT COLLATE NOCASE,
    miktar REAL,
    birimfiyat TEXT,
    kdvoran TEXT,
    serial TEXT COLLATE NOCASE,
    inout TEXT,
    stokinftr INTEGER,
    islem TEXT,
    silindi INTEGER NOT NULL DEFAULT 0);
CREATE INDEX "2Belge_belgeid" ON "2Belge" (belgeid);
CREATE INDEX "2Belge_stok" ON "2Belge" (stokid, inout, miktar);
CREATE INDEX "2Belge_cari" ON "2Belge" (cariid);
CREATE INDEX "2Belge_seri" ON "2Belge" (bmod, serino, sirano);
CREATE INDEX "2Belge_ftrdrm" ON "2Belge" (ftrdrm);
CREATE INDEX "2Belge_stokinftr" ON "2Belge" (stokinftr);
CREATE INDEX "2Belge_serial" ON "2Belge" (serial);
CREATE INDEX "2Belge_hesap" ON "2Belge" (cariid, bmod, gircik, yekun);
CREATE INDEX "2Belge_kasa" ON "2Belge" (bmod, btarihi, gircik, yekun);
CREATE INDEX "2Belge_alis" ON "2Belge" (inout, belgeid, stokid, miktar, birimfiyat);
CREATE TABLE "2Cek" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    vade INTEGER,
    cekno TEXT COLLATE NOCASE,
    banka TEXT,
    veren TEXT,
    alan TEXT,
    tutar TEXT,
    cdurum TEXT);
CREATE TABLE "2Ayar" (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nedir TEXT,
    a1 TEXT,
    a2 TEXT,
    a3 TEXT,
    a4 TEXT,
    a5 TEXT,
    a6 TEXT,
    a7 TEXT,
    a8 TEXT,
    a9 TEXT,
    a10 TEXT,
    a11 TEXT,
    a12 TEXT,
    a13 TEXT,
    a14 TEXT,
    a15 TEXT,
    a16 TEXT,
    a17 TEXT,
    a18 TEXT,
    a19 TEXT,
    a20 TEXT,
    a21 TEXT,
    a22 TEXT,
    a23 TEXT,
    a24 TEXT,
    a25 TEXT,
    a26 TEXT,
    a27 TEXT,
    a28 TEXT,
    a29 TEXT,
    a30 TEXT,
    a31 TEXT,
    a32 TEXT,
    a33 TEXT,
    a34 TEXT,
    a35 TEXT,
    a36 TEXT,
    a37 TEXT,
    a38 TEXT,
    a39 TEXT,
    a40 TEXT,
    a41 TEXT,
    a42 TEXT,
    a43 TEXT,
    a44 TEXT,
    a45 TEXT,
    a46 TEXT,
    a47 TEXT,
    a48 TEXT,
    a49 TEXT,
    a50 TEXT);

INSERT INTO firmalar (id, firma, parola, kasa, tarih) VALUES (1, '', '', '0,00', %TODAY%);
INSERT INTO firmalar (id, firma, parola, kasa, tarih) VALUES (2, 'Birinci Firma', '', '0,00', %TODAY%);
INSERT INTO firmalar (id, firma, parola, kasa, tarih) VALUES (3, 'İkinci Firma', '', '0,00', %TODAY%);

INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24)
    VALUES (1, 'AyarStokListesi', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', 'Özel Alan 1', 'Özel Alan 2', 'Özel Alan 3', 'Özel Alan 4', 'Özel Alan 5', 'Özel Alan 6');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24)
    VALUES (2, 'AyarCariListesi', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', '1', 'Özel Alan 1', 'Özel Alan 2', 'Özel Alan 3', 'Özel Alan 4', 'Özel Alan 5', 'Özel Alan 6');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11)
    VALUES (3, 'AyarGenel', '0', '1', '1', '1', '10', '20', '#,##0.00', 'A', 'A', 'A', 'A');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (4, 'AyarSutunGenislik', '90', '220', '90', '90', '90', '90', '80', '70', '110', '120', '110', '100', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (5, 'AyarSutunGenislik', '90', '220', '80', '160', '160', '160', '140', '110', '110', '100', '100', '80', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (6, 'AyarSutunGenislik', '70', '80', '80', '100', '240', '80', '110', '110', '90', '90', '90', '90', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (7, 'AyarSutunGenislik', '70', '80', '80', '100', '240', '80', '110', '110', '90', '90', '90', '80', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (8, 'AyarSutunGenislik', '70', '80', '80', '100', '240', '80', '110', '110', '90', '90', '90', '80', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (9, 'AyarSutunGenislik', '90', '240', '110', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (10, 'AyarSutunGenislik', '90', '240', '110', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (11, 'AyarSutunGenislik', '90', '240', '110', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (12, 'AyarSutunGenislik', '300', '120', '120', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (13, 'AyarSutunGenislik', '90', '240', '110', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (14, 'AyarSutunGenislik', '90', '240', '110', '110', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (15, 'AyarSutunGenislik', '300', '110', '110', '120', '110', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18)
    VALUES (16, 'AyarSutunGenislik', '90', '110', '180', '200', '200', '110', '110', '110', '110', '110', '110', '110', '90', '90', '90', '90', '90', '90');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (17, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (18, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (19, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (20, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (21, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (22, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (23, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (24, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (25, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (26, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (27, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (28, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (29, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (30, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (31, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (32, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (33, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (34, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (35, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (36, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (37, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (38, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (39, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (40, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (41, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (42, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (43, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (44, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (45, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (46, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (47, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (48, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (49, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (50, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (51, 'AyarYazdirma', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15, a16, a17, a18, a19, a20, a21, a22, a23, a24, a25, a26, a27, a28, a29, a30, a31, a32, a33, a34, a35, a36, a37, a38, a39, a40, a41, a42, a43, a44, a45, a46, a47, a48, a49, a50)
    VALUES (52, 'AyarYazdirma', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10', '10');
INSERT INTO "1Ayar" (id, nedir, a1, a2, a3, a4, a5, a6, a7, a8, a9)
    VALUES (53, 'AyarIzinler', '1', '1', '1', '1', '1', '1', '1', '1', '1');

INSERT INTO "2Ayar" SELECT * FROM "1Ayar";
