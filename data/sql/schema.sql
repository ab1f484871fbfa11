-- Product catalogue schema of ZAVK (SQLite 3).
--
-- The build runs this file on an empty database, then a content file
-- (the files of catalogue/, in name order) on top of it.
--
-- Conventions:
--   * Text columns compare case-insensitively (COLLATE NOCASE): the program
--     writes codes and keys in whatever case the statement happens to use
--     (SERIESID = 'vpf', Flow_Type = 's', SK_PAD = 'vpf-10').
--   * Numbers the calculation reads are NOT NULL with a default, so a row
--     never hands an empty value to a formula.
--   * Region columns (ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA): 0 = not
--     sold in that region. In SERIES a non-zero value is also the series'
--     position in the lists of that region (ascending).
--   * No foreign keys: a product row may name a series that has no SERIES
--     row (it is then never listed, but a stored selection can still refer
--     to it by ID).

-- Series of every product kind. SERIESID joins to the product tables; ID is
-- the key of the series texts in the language files.
CREATE TABLE SERIES (
    ID           INTEGER PRIMARY KEY,
    SERIESID     TEXT COLLATE NOCASE NOT NULL UNIQUE,
    SERIES_NAME  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    SERIES_Note  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    SERIES_PIC   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    ASIA         INTEGER NOT NULL DEFAULT 0,
    EUROPE       INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA INTEGER NOT NULL DEFAULT 0
);

-- Suction pads. PAD_S: effective pad area in mm^2. BUFFER: 1 = with buffer.
CREATE TABLE M_PT (
    ID           INTEGER PRIMARY KEY,
    SERIESID     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_NAME       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    PAD_S        REAL NOT NULL,
    BUFFER       INTEGER NOT NULL DEFAULT 0,
    ASIA         INTEGER NOT NULL DEFAULT 0,
    EUROPE       INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX M_PT_SERIESID ON M_PT (SERIESID);

-- Tubing. DIAMETER_IN: inner diameter in mm.
CREATE TABLE M_Tube (
    ID           INTEGER PRIMARY KEY,
    SERIESID     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_Name       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    DIAMETER_IN  REAL NOT NULL,
    ASIA         INTEGER NOT NULL DEFAULT 0,
    EUROPE       INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX M_Tube_SERIESID ON M_Tube (SERIESID);

-- Ejectors (System_Cat 1) and vacuum units (System_Cat 2).
--   Type            ejector type matched by the circuit choice (1 or 2)
--   Valve_V2        release-valve variant of the ejector (1 or 2)
--   Flow_Type       'S' standard flow, 'L' large flow
--   Stand_Pressure  standard supply pressure, MPa gauge
--   Max_pressure    maximum vacuum, kPa gauge (negative; magnitude is used)
--   Max_flow        maximum suction flow, dm^3/min (ANR)
--   Air_Comsuption  air consumption, dm^3/min (ANR)
--   N               suction characteristic: 1 straight line, 2 two segments
--   P1, Q1          knee point of an N = 2 characteristic (kPa, dm^3/min);
--                   unused for N = 1, where empty counts as 0
--   Nozzle_Diameter mm
--   Sup_C, Sup_b    conductance dm^3/(s*bar) and critical pressure ratio of
--                   the vacuum path
--   Hakai_C, Hakai_b  the same for the built-in release path
--   Diu_DIAMETER    conductance of the back-flow path to atmosphere
-- A row with an empty SERIESID is kept for stored selections but never
-- offered as a candidate.
CREATE TABLE M_EJ (
    ID              INTEGER PRIMARY KEY,
    SERIESID        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_Name          TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_Name1         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    System_Cat      INTEGER NOT NULL,
    Type            INTEGER NOT NULL DEFAULT 0,
    Valve_V2        INTEGER NOT NULL DEFAULT 0,
    Flow_Type       TEXT COLLATE NOCASE NOT NULL DEFAULT 'S',
    Stand_Pressure  REAL NOT NULL DEFAULT 0,
    Max_pressure    REAL NOT NULL DEFAULT 0,
    Max_flow        REAL NOT NULL DEFAULT 0,
    Air_Comsuption  REAL NOT NULL DEFAULT 0,
    N               INTEGER NOT NULL DEFAULT 1,
    P1              REAL DEFAULT 0,
    Q1              REAL DEFAULT 0,
    Nozzle_Diameter REAL NOT NULL DEFAULT 0,
    Sup_C           REAL NOT NULL DEFAULT 0,
    Sup_b           REAL NOT NULL DEFAULT 0,
    Hakai_C         REAL NOT NULL DEFAULT 0,
    Hakai_b         REAL NOT NULL DEFAULT 0,
    Diu_DIAMETER    REAL NOT NULL DEFAULT 0,
    ASIA            INTEGER NOT NULL DEFAULT 0,
    EUROPE          INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA    INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA    INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX M_EJ_SERIESID ON M_EJ (SERIESID);
CREATE INDEX M_EJ_Category ON M_EJ (System_Cat, Type, Valve_V2);

-- Valves (supply, release, switching).
--   Port   number of ports, 2 or 3
--   USE    0 general valve (the only kind offered as supply or release
--          valve); 1 and 2 switching-valve kinds, 2 = no release time
--   C1to2, C2to3  conductances between ports 1-2 and 2-3, dm^3/(s*bar)
CREATE TABLE M_VA (
    ID           INTEGER PRIMARY KEY,
    SERIESID     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_Name       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Port         INTEGER NOT NULL,
    USE          INTEGER NOT NULL DEFAULT 0,
    C1to2        REAL NOT NULL,
    C2to3        REAL NOT NULL DEFAULT 0,
    ASIA         INTEGER NOT NULL DEFAULT 0,
    EUROPE       INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX M_VA_SERIESID ON M_VA (SERIESID);

-- Throttle valves of the release path. C1to2: conductance, dm^3/(s*bar).
CREATE TABLE M_SPECON (
    ID           INTEGER PRIMARY KEY,
    SERIESID     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    M_Name       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    C1to2        REAL NOT NULL,
    ASIA         INTEGER NOT NULL DEFAULT 0,
    EUROPE       INTEGER NOT NULL DEFAULT 0,
    SOUTHAMERICA INTEGER NOT NULL DEFAULT 0,
    NORTHAMERICA INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX M_SPECON_SERIESID ON M_SPECON (SERIESID);

-- Workpiece leakage reference: one row per pad, pad shape, pad material
-- and measuring condition. P_ columns: vacuum reached (kPa), L_ columns:
-- leakage (dm^3/min ANR); both kept as text and shown as stored.
CREATE TABLE Material (
    SK_PAD         TEXT COLLATE NOCASE NOT NULL,
    SHAPE_Type     INTEGER NOT NULL,
    MATERIA_Type   INTEGER NOT NULL,
    PRESSTURE      TEXT COLLATE NOCASE NOT NULL,
    P_STEEL        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_STEEL        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_S_WOOD       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_S_WOOD       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_C_WOOD       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_C_WOOD       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_S_CONCRETE   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_S_CONCRETE   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_C_CONCRETE   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_C_CONCRETE   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_CIRCUIT      TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_CIRCUIT      TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_ST_CARDBOARD TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_ST_CARDBOARD TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_T_CARDBOARD  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_T_CARDBOARD  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_CARDBOARD    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_CARDBOARD    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_NEWS         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_NEWS         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_COPY         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_COPY         TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_VINYL        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_VINYL        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_S_STYROFOAM  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_S_STYROFOAM  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_C_STYROFOAM  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_C_STYROFOAM  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_CD           TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_CD           TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_S_MARBLE     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_S_MARBLE     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    P_C_MARBLE     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    L_C_MARBLE     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    UNIQUE (SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE)
);

-- Units. A value x in a unit is x * MultiPlier - AddNum in the base unit of
-- its category. The unit with the lowest SubUnitCategoryID of a parameter is
-- taken as the base unit, so it must have MultiPlier 1 and AddNum 0.
CREATE TABLE UnitCategory (
    UnitCategoryID    INTEGER NOT NULL,
    SubUnitCategoryID INTEGER NOT NULL,
    UnitName          TEXT COLLATE NOCASE NOT NULL,
    UnitNameExt       TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    MultiPlier        REAL NOT NULL DEFAULT 1,
    AddNum            REAL NOT NULL DEFAULT 0,
    PRIMARY KEY (UnitCategoryID, SubUnitCategoryID)
);

-- Parameters (input and result quantities), one row per allowed unit.
--   ParaType  0 = with preset values (CommonValue), 1 = without
--   Confine   bounds of InputMin..InputMax: 0 both open, 1 only the lower
--             closed, 2 only the upper closed, 3 both closed
--   LanId     the program reads only rows with 1033
CREATE TABLE ParaInfo (
    ParaID            INTEGER NOT NULL,
    ParaType          INTEGER NOT NULL,
    UnitCategoryID    INTEGER NOT NULL,
    SubUnitCategoryID INTEGER NOT NULL,
    IsDefaultUnit     INTEGER NOT NULL DEFAULT 0,
    Avail_DecPoint    INTEGER NOT NULL DEFAULT 0,
    InputMin          REAL NOT NULL,
    InputMax          REAL NOT NULL,
    Confine           INTEGER NOT NULL DEFAULT 3,
    LanId             INTEGER NOT NULL DEFAULT 1033,
    DefNum            REAL NOT NULL DEFAULT 0,
    UNIQUE (ParaID, UnitCategoryID, SubUnitCategoryID, LanId)
);

-- Preset values of a parameter in one of its units. RecNumber is assigned
-- on insert; the preset editor writes new rows with LanId 1033 and an empty
-- ParaDisName, and NumPopData as text (stored as a number here).
CREATE TABLE CommonValue (
    RecNumber         INTEGER PRIMARY KEY,
    ParaID            INTEGER NOT NULL,
    UnitCategoryID    INTEGER NOT NULL,
    SubUnitCategoryID INTEGER NOT NULL,
    LanId             INTEGER NOT NULL DEFAULT 1033,
    SortNo            INTEGER NOT NULL,
    NumPopData        REAL NOT NULL,
    ParaDisName       TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
CREATE INDEX CommonValue_Unit
    ON CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, LanId, SortNo);

-- Program modules whose inputs have unit settings (1 selection,
-- 2 characteristic calculation).
CREATE TABLE ModelMaster (
    ModelID INTEGER PRIMARY KEY
);

-- Items of each module: the parameter behind the item and its default unit,
-- which a new unit scheme copies. InputFlag 1 = shown in the scheme editor.
-- Only the first row of a parameter counts when a scheme is applied.
CREATE TABLE ModelDetail (
    ModelID              INTEGER NOT NULL,
    ItemID               INTEGER NOT NULL,
    ParaID               INTEGER NOT NULL,
    InputFlag            INTEGER NOT NULL DEFAULT 1,
    DefUnitCategoryID    INTEGER NOT NULL,
    DefSubUnitCategoryID INTEGER NOT NULL,
    PRIMARY KEY (ModelID, ItemID)
);
CREATE INDEX ModelDetail_ParaID ON ModelDetail (ParaID);

-- Named unit schemes written by the scheme editor. Numbers 0 (free choice
-- of units) and 1 (the fixed scheme) are built into the program, so numbers
-- handed out here start at 2 and are never reused (AUTOINCREMENT); the
-- program takes the highest number as the one it has just added.
CREATE TABLE UnitSchemeMaster (
    SchemeID   INTEGER PRIMARY KEY AUTOINCREMENT,
    SchemeName TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    Memol      TEXT COLLATE NOCASE NOT NULL DEFAULT ''
);
INSERT INTO sqlite_sequence (name, seq) VALUES ('UnitSchemeMaster', 1);

-- Unit of each item in a scheme, scheme 1 (the fixed scheme) included.
CREATE TABLE UnitSchemeDetail (
    SchemeID          INTEGER NOT NULL,
    ModelID           INTEGER NOT NULL,
    ItemID            INTEGER NOT NULL,
    UnitCategoryID    INTEGER NOT NULL,
    SubUnitCategoryID INTEGER NOT NULL,
    PRIMARY KEY (SchemeID, ModelID, ItemID)
);

-- Version of the catalogue content; the first row counts.
CREATE TABLE DBVersion (
    VersionID TEXT COLLATE NOCASE NOT NULL
);
