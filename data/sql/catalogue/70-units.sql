-- Units of measure, parameters with their units and preset values, program
-- modules and their items, unit schemes.

BEGIN;

-- Units: base = value * MultiPlier - AddNum. The first unit of each
-- category is its base unit. Captions come from the language files (key:
-- category number followed by unit number); the names here are the
-- database names (category 6 recognises 'degF' by name).
INSERT INTO UnitCategory (UnitCategoryID, SubUnitCategoryID, UnitName,
                          UnitNameExt, MultiPlier, AddNum) VALUES
(1, 1, 'kPa',   'kilopascal (gauge)',              1,                  0),
(1, 2, 'MPa',   'megapascal (gauge)',              1000,               0),
(1, 3, 'bar',   'bar (gauge)',                     100,                0),
(1, 4, 'psi',   'pound-force per square inch (gauge)', 6.894757,       0),
(1, 5, 'inHg',  'inch of mercury (gauge)',         3.386389,           0),
(2, 1, 's',     'second',                          1,                  0),
(2, 2, 'ms',    'millisecond',                     0.001,              0),
(3, 1, 'L/min', 'litre per minute (ANR)',          1,                  0),
(3, 2, 'cfm',   'cubic foot per minute (ANR)',     28.316847,          0),
(4, 1, 'm',     'metre',                           1,                  0),
(4, 2, 'ft',    'foot',                            0.3048,             0),
(5, 1, 'kg',    'kilogram',                        1,                  0),
(5, 2, 'g',     'gram',                            0.001,              0),
(5, 3, 'lb',    'pound',                           0.45359237,         0),
(6, 1, 'degC',  'degree Celsius',                  1,                  0),
(6, 2, 'degF',  'degree Fahrenheit',               0.5555555555555556, 17.77777777777778),
(6, 3, 'K',     'kelvin',                          1,                  273.15),
(7, 1, 'cm3',   'cubic centimetre',                1,                  0),
(7, 2, 'L',     'litre (cubic decimetre)',         1000,               0),
(8, 1, 'dm3/(s*bar)', 'sonic conductance',         1,                  0),
(9, 1, 'pcs',   'pieces',                          1,                  0),
(10, 1, '%',    'percent',                         1,                  0),
(11, 1, '-',    'ratio (no unit)',                 1,                  0);

-- Parameters and their units. ParaType 0 parameters take their preset
-- lists from CommonValue (a unit without presets is not loaded); ParaType 1
-- parameters (results and the recalculation vacuum) have none.
-- Columns: ParaID, ParaType, category, unit, IsDefaultUnit, Avail_DecPoint,
-- InputMin, InputMax, Confine, LanId, DefNum.
INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID,
                      IsDefaultUnit, Avail_DecPoint, InputMin, InputMax,
                      Confine, LanId, DefNum) VALUES
-- 100 adsorption response time
(100, 0, 2, 1, 1, 2, 0,      60,      2, 1033, 1),
(100, 0, 2, 2, 0, 0, 0,      60000,   2, 1033, 1000),
-- 101 required vacuum
(101, 0, 1, 1, 1, 1, -100,   -1,      3, 1033, -60),
(101, 0, 1, 5, 0, 2, -29.53, -0.3,    3, 1033, -17.72),
-- 102 leakage per pad
(102, 0, 3, 1, 1, 2, 0,      100,     3, 1033, 0.1),
(102, 0, 3, 2, 0, 4, 0,      3.5315,  3, 1033, 0.0035),
-- 105 number of pads
(105, 0, 9, 1, 1, 0, 1,      100,     3, 1033, 1),
-- 106 tubing length
(106, 0, 4, 1, 1, 2, 0,      50,      2, 1033, 1),
(106, 0, 4, 2, 0, 1, 0,      164,     2, 1033, 3.3),
-- 107 tubing volume (calculation in litres)
(107, 0, 7, 1, 0, 1, 0,      10000,   2, 1033, 20),
(107, 0, 7, 2, 1, 3, 0,      10,      2, 1033, 0.02),
-- 108 tubing sonic conductance
(108, 0, 8, 1, 1, 3, 0,      10,      2, 1033, 0.2),
-- 109 number of ejectors
(109, 0, 9, 1, 1, 0, 1,      20,      3, 1033, 1),
-- 110 release throttle opening
(110, 0, 10, 1, 1, 0, 0,     100,     2, 1033, 100),
-- 111 release supply pressure (calculation in MPa)
(111, 0, 1, 1, 0, 0, 0,      1000,    2, 1033, 500),
(111, 0, 1, 2, 1, 2, 0,      1,       2, 1033, 0.5),
(111, 0, 1, 4, 0, 1, 0,      145,     2, 1033, 72.5),
-- 112 vacuum pump pressure
(112, 0, 1, 1, 1, 1, -100,   -1,      3, 1033, -80),
(112, 0, 1, 5, 0, 2, -29.53, -0.3,    3, 1033, -23.62),
-- 113 workpiece mass
(113, 0, 5, 1, 1, 3, 0,      1000,    2, 1033, 1),
(113, 0, 5, 2, 0, 0, 0,      1000000, 2, 1033, 1000),
(113, 0, 5, 3, 0, 2, 0,      2204.62, 2, 1033, 2.2),
-- 1000 safety factor; the second row belongs to another language and is
-- never read
(1000, 0, 11, 1, 1, 1, 1,    100,     3, 1033, 4),
(1000, 0, 11, 1, 1, 1, 1,    100,     3, 1041, 4),
-- 114 maximum vacuum (result)
(114, 1, 1, 1, 1, 1, -101.13, 0,      3, 1033, 0),
(114, 1, 1, 5, 0, 2, -29.86, 0,       3, 1033, 0),
-- 115, 116 adsorption and release response time (results)
(115, 1, 2, 1, 1, 3, 0,      10000,   3, 1033, 0),
(116, 1, 2, 1, 1, 3, 0,      10000,   3, 1033, 0),
-- 117 air consumption (result)
(117, 1, 3, 1, 1, 1, 0,      100000,  3, 1033, 0),
-- 118 working vacuum for a recalculation
(118, 1, 1, 1, 1, 1, -100,   -1,      3, 1033, -60),
(118, 1, 1, 5, 0, 2, -29.53, -0.3,    3, 1033, -17.72),
-- 121 standard supply pressure (result)
(121, 1, 1, 1, 0, 0, 0,      1000,    3, 1033, 500),
(121, 1, 1, 2, 1, 2, 0,      1,       3, 1033, 0.5),
(121, 1, 1, 4, 0, 1, 0,      145,     3, 1033, 72.5),
-- 123 required vacuum pump flow (result)
(123, 1, 3, 1, 1, 1, 0,      100000,  3, 1033, 0);

-- Preset values of the ParaType 0 parameters, per unit, in SortNo order.
-- The wizard preselects by position: 110 the fifth, 107, 111 and 112 the
-- third, 106 the second, the others the first.
INSERT INTO CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, LanId,
                         SortNo, NumPopData) VALUES
(100, 2, 1, 1033, 1, 0.5),   (100, 2, 1, 1033, 2, 1),     (100, 2, 1, 1033, 3, 2),
(100, 2, 2, 1033, 1, 500),   (100, 2, 2, 1033, 2, 1000),  (100, 2, 2, 1033, 3, 2000),
(101, 1, 1, 1033, 1, -60),   (101, 1, 1, 1033, 2, -70),   (101, 1, 1, 1033, 3, -80),
(101, 1, 5, 1033, 1, -18),   (101, 1, 5, 1033, 2, -21),   (101, 1, 5, 1033, 3, -24),
(102, 3, 1, 1033, 1, 0.1),   (102, 3, 1, 1033, 2, 0.5),   (102, 3, 1, 1033, 3, 1),
(102, 3, 2, 1033, 1, 0.005), (102, 3, 2, 1033, 2, 0.02),  (102, 3, 2, 1033, 3, 0.05),
(105, 9, 1, 1033, 1, 1),     (105, 9, 1, 1033, 2, 2),     (105, 9, 1, 1033, 3, 4),
(106, 4, 1, 1033, 1, 0.5),   (106, 4, 1, 1033, 2, 1),     (106, 4, 1, 1033, 3, 2),
(106, 4, 2, 1033, 1, 1.5),   (106, 4, 2, 1033, 2, 3),     (106, 4, 2, 1033, 3, 6),
(107, 7, 1, 1033, 1, 5),     (107, 7, 1, 1033, 2, 10),    (107, 7, 1, 1033, 3, 20),
(107, 7, 2, 1033, 1, 0.005), (107, 7, 2, 1033, 2, 0.01),  (107, 7, 2, 1033, 3, 0.02),
(108, 8, 1, 1033, 1, 0.2),   (108, 8, 1, 1033, 2, 0.5),   (108, 8, 1, 1033, 3, 1),
(109, 9, 1, 1033, 1, 1),     (109, 9, 1, 1033, 2, 2),     (109, 9, 1, 1033, 3, 4),
(110, 10, 1, 1033, 1, 20),   (110, 10, 1, 1033, 2, 40),   (110, 10, 1, 1033, 3, 60),
(110, 10, 1, 1033, 4, 80),   (110, 10, 1, 1033, 5, 100),
(111, 1, 1, 1033, 1, 300),   (111, 1, 1, 1033, 2, 400),   (111, 1, 1, 1033, 3, 500),
(111, 1, 2, 1033, 1, 0.3),   (111, 1, 2, 1033, 2, 0.4),   (111, 1, 2, 1033, 3, 0.5),
(111, 1, 4, 1033, 1, 45),    (111, 1, 4, 1033, 2, 60),    (111, 1, 4, 1033, 3, 75),
(112, 1, 1, 1033, 1, -60),   (112, 1, 1, 1033, 2, -70),   (112, 1, 1, 1033, 3, -80),
(112, 1, 5, 1033, 1, -18),   (112, 1, 5, 1033, 2, -21),   (112, 1, 5, 1033, 3, -24),
(113, 5, 1, 1033, 1, 0.5),   (113, 5, 1, 1033, 2, 1),     (113, 5, 1, 1033, 3, 2),
(113, 5, 2, 1033, 1, 500),   (113, 5, 2, 1033, 2, 1000),  (113, 5, 2, 1033, 3, 2000),
(113, 5, 3, 1033, 1, 1),     (113, 5, 3, 1033, 2, 2),     (113, 5, 3, 1033, 3, 5),
(1000, 11, 1, 1033, 1, 4),   (1000, 11, 1, 1033, 2, 6),   (1000, 11, 1, 1033, 3, 8),
(1000, 11, 1, 1041, 1, 4);

-- Modules and their items. Only multi-unit parameters are listed: a
-- parameter without an item simply keeps its default unit under a scheme.
-- InputFlag 0 marks results, which follow the scheme but are not edited in
-- the scheme editor.
INSERT INTO ModelMaster (ModelID) VALUES (1), (2);

INSERT INTO ModelDetail (ModelID, ItemID, ParaID, InputFlag,
                         DefUnitCategoryID, DefSubUnitCategoryID) VALUES
(1, 1, 100, 1, 2, 1),
(1, 2, 101, 1, 1, 1),
(1, 3, 102, 1, 3, 1),
(1, 4, 106, 1, 4, 1),
(1, 5, 111, 1, 1, 2),
(1, 6, 112, 1, 1, 1),
(1, 7, 113, 1, 5, 1),
(1, 8, 114, 0, 1, 1),
(1, 9, 121, 0, 1, 2),
(2, 1, 107, 1, 7, 2),
(2, 2, 118, 1, 1, 1),
(2, 3, 100, 1, 2, 1);

-- Unit schemes. Scheme 1 is the program's fixed scheme (no master row): the
-- default unit of every item. Scheme 2 is an editable example.
INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, UnitCategoryID,
                              SubUnitCategoryID)
SELECT 1, ModelID, ItemID, DefUnitCategoryID, DefSubUnitCategoryID
FROM ModelDetail;

INSERT INTO UnitSchemeMaster (SchemeID, SchemeName, Memol) VALUES
(2, 'Imperial', 'psi, inHg, lb, ft and cfm');

INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, UnitCategoryID,
                              SubUnitCategoryID) VALUES
(2, 1, 1, 2, 1),
(2, 1, 2, 1, 5),
(2, 1, 3, 3, 2),
(2, 1, 4, 4, 2),
(2, 1, 5, 1, 4),
(2, 1, 6, 1, 5),
(2, 1, 7, 5, 3),
(2, 1, 8, 1, 5),
(2, 1, 9, 1, 4),
(2, 2, 1, 7, 1),
(2, 2, 2, 1, 5),
(2, 2, 3, 2, 1);

COMMIT;
