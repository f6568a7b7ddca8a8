-- The declaration database. Columns are read and written by position, so their
-- order is binding; the names become element names of the upload file.

-- Declarations --------------------------------------------------------------

CREATE TABLE citizendata (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Surname    TEXT,
  Name       TEXT,
  FatherName TEXT,
  afm        TEXT
);
CREATE INDEX citizendata_afm ON citizendata (afm);

CREATE TABLE wifedata (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Surname    TEXT,
  Name       TEXT,
  FatherName TEXT,
  AT         TEXT,
  AFM        TEXT,
  afmypox    TEXT
);
CREATE INDEX wifedata_afmypox ON wifedata (afmypox);

CREATE TABLE generaldata (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  DOYName    TEXT,
  DOYCode    TEXT,
  DeclType   INTEGER,
  Reserved   TEXT,
  Notes      TEXT,
  afmypox    TEXT
);
CREATE INDEX generaldata_afmypox ON generaldata (afmypox);

CREATE TABLE ekprosopos (
  ID         INTEGER PRIMARY KEY AUTOINCREMENT,
  Capacity   TEXT,
  Surname    TEXT,
  Name       TEXT,
  AT         TEXT,
  AFM        TEXT,
  afmypox    TEXT
);
CREATE INDEX ekprosopos_afmypox ON ekprosopos (afmypox);

CREATE TABLE children (
  ID          INTEGER PRIMARY KEY AUTOINCREMENT,
  Surname     TEXT,
  Name        TEXT,
  FatherName  TEXT,
  AT          TEXT,
  YearOfBirth TEXT,
  AFM         TEXT,
  AFMYpox     TEXT
);
CREATE INDEX children_afmypox ON children (AFMYpox);

CREATE TABLE table1 (
  cd                 INTEGER PRIMARY KEY AUTOINCREMENT,
  NOMOSDESC          TEXT,
  NOMOSCODE          TEXT,
  DIMOSDESC          TEXT,
  DIMOSCODE          TEXT,
  ODOSDESC           TEXT,
  ODOSCODE           TEXT,
  ODOSCD             TEXT,
  FRONT              TEXT,
  ODOSDESC2          TEXT,
  ODOSCODE2          TEXT,
  FRONT2             TEXT,
  ODOSDESC3          TEXT,
  ODOSCODE3          TEXT,
  FRONT3             TEXT,
  ODOSDESC4          TEXT,
  ODOSCODE4          TEXT,
  FRONT4             TEXT,
  OT                 TEXT,
  CATEGORY           TEXT,
  SPECIAL            TEXT,
  FLOOR              TEXT,
  MAINMM             TEXT,
  HELPMM             TEXT,
  YEAROFCONSTRUCTION TEXT,
  TYPEOFOWN          TEXT,
  PERCENTAGE         TEXT,
  YEAROFBIRTHEPIK    TEXT,
  MMOIK              TEXT,
  TYPEOFOWNOIK       TEXT,
  PERCENTAGEOIK      TEXT,
  YEAROFBIRTHEPIKOIK TEXT,
  TOTALMM            TEXT,
  OWNERCODE          TEXT,
  OWNERDESC          TEXT,
  CHANGE             TEXT,
  AFMYpox            TEXT
);
CREATE INDEX table1_afmypox ON table1 (AFMYpox);

CREATE TABLE TABLE2 (
  cd              INTEGER PRIMARY KEY AUTOINCREMENT,
  NOMOSDESC       TEXT,
  NOMOSCODE       TEXT,
  DIMOSDESC       TEXT,
  DIMOSCODE       TEXT,
  ODOSDESC        TEXT,
  ODOSCODE        TEXT,
  ODOSCD          TEXT,
  PROSOPSI        TEXT,
  DISTANCEFROMSEA TEXT,
  APALLOTRIOSH    TEXT,
  WATERED         TEXT,
  MONOMM          TEXT,
  POLYMMELIES     TEXT,
  POLYMMLOIPES    TEXT,
  MMBOSKO         TEXT,
  MMDASIKI        TEXT,
  MMMETAL         TEXT,
  MMPARKING       TEXT,
  TOTALMM         TEXT,
  TYPEOFOWN       TEXT,
  PERCENTAGE      TEXT,
  YEAROFBIRTHEPIK TEXT,
  OWNERCODE       TEXT,
  OWNERDESC       TEXT,
  CHANGE          TEXT,
  AFMYpox         TEXT
);
CREATE INDEX table2_afmypox ON TABLE2 (AFMYpox);

-- Reference lists -------------------------------------------------------------

CREATE TABLE doy_ap_prefecture (
  ap_pref_cd TEXT PRIMARY KEY,
  ap_pref_nm TEXT NOT NULL
);

CREATE TABLE doy_ap_municipality (
  ap_mnc_cd      INTEGER PRIMARY KEY,
  ap_mnc_nm      TEXT NOT NULL,
  ap_mnc_pref_cd TEXT NOT NULL
);
CREATE INDEX doy_ap_municipality_pref ON doy_ap_municipality (ap_mnc_pref_cd);

CREATE TABLE doy_ap_mnc_area (
  ap_mar_mnc_cd  INTEGER NOT NULL,
  ap_mar_nm      TEXT NOT NULL,
  ap_mar_pref_cd TEXT NOT NULL
);
CREATE INDEX doy_ap_mnc_area_pref ON doy_ap_mnc_area (ap_mar_pref_cd, ap_mar_mnc_cd);

-- Street names are kept scrambled, as bytes.
CREATE TABLE doy_ap_street (
  ap_strt_cd INTEGER PRIMARY KEY,
  ap_strt_nm BLOB NOT NULL
);

CREATE TABLE DOY_AP_MNC_STRT (
  ap_mns_pref_cd TEXT NOT NULL,
  ap_mns_mnc_cd  INTEGER NOT NULL,
  ap_mns_strt_cd INTEGER NOT NULL
);
CREATE INDEX doy_ap_mnc_strt_mnc ON DOY_AP_MNC_STRT (ap_mns_pref_cd, ap_mns_mnc_cd);

CREATE TABLE doy_ap_front (
  ap_front_pref_cd TEXT NOT NULL,
  ap_front_mnc_cd  INTEGER NOT NULL,
  ap_front_strt_cd INTEGER NOT NULL,
  ap_front_ot_cd   TEXT NOT NULL
);
CREATE INDEX doy_ap_front_street ON doy_ap_front (ap_front_pref_cd, ap_front_mnc_cd, ap_front_strt_cd);
CREATE INDEX doy_ap_front_block ON doy_ap_front (ap_front_pref_cd, ap_front_mnc_cd, ap_front_ot_cd);

-- Listed in the order the rows were written (no index to reorder them).
CREATE TABLE doy_ap_estate_cat (
  ap_cat_cd    TEXT NOT NULL,
  ap_cat_descr TEXT NOT NULL
);

-- Numeric so that "-1" (none) comes first and 10 after 9.
CREATE TABLE doy_ap_special_cat (
  ap_special_cd    INTEGER PRIMARY KEY,
  ap_special_descr TEXT NOT NULL
);

-- Text codes "00".."NN" order as numbers; the basement code "Υ" sorts last.
CREATE TABLE doy_ap_floor (
  ap_flr_cd TEXT PRIMARY KEY,
  ap_flr_nm TEXT NOT NULL
);
