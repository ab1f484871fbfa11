-- Units of measure, the parameters with their units, bounds and preset
-- values, the program modules with their items, and the unit schemes.
--
-- Each parameter is written once, in its default unit (the unit in which
-- the calculation takes the value). Its further units, their bounds, default
-- numbers and preset lists are derived from that row with the conversion
-- factors below and rounded to each unit's decimals, so the units of one
-- parameter always describe the same range and the same presets.
--
-- Every parameter offers every unit of its category: the unit-scheme editor
-- offers the whole category for an item, and a scheme that names a unit the
-- parameter lacks would silently fall back to the parameter's first unit.

BEGIN;

-- Units: base = value * MultiPlier - AddNum. Unit 1 of each category is its
-- base unit (MultiPlier 1, AddNum 0): the unit manager takes a parameter's
-- lowest unit as the base, so every parameter's list starts with it.
-- Captions come from the language files, keyed by category followed by unit
-- ("32"); with at most nine units per category the keys stay unique. The
-- names here are the source texts; category 6 recognises 'degF' by name and
-- converts into it as b * 1.8 + 32, which the factors below agree with.
INSERT INTO UnitCategory (UnitCategoryID, SubUnitCategoryID, UnitName,
                          UnitNameExt, MultiPlier, AddNum) VALUES
-- 1 pressure, gauge; base kPa
(1, 1, 'kPa',  'kilopascal (gauge)',                  1,               0),
(1, 2, 'MPa',  'megapascal (gauge)',                  1000,            0),
(1, 3, 'bar',  'bar (gauge)',                         100,             0),
(1, 4, 'psi',  'pound-force per square inch (gauge)', 6.894757293168,  0),
(1, 5, 'inHg', 'inch of mercury (gauge)',             3.386389,        0),
(1, 6, 'mmHg', 'millimetre of mercury (gauge)',       0.133322387415,  0),
(1, 7, 'Torr', 'torr (gauge)',                        101.325 / 760,   0),
-- 2 time; base s
(2, 1, 's',    'second',                              1,               0),
(2, 2, 'ms',   'millisecond',                         0.001,           0),
(2, 3, 'min',  'minute',                              60,              0),
-- 3 flow, at standard reference atmosphere; base L/min (ANR) = dm³/min
(3, 1, 'L/min (ANR)',   'litre per minute (ANR)',       1,             0),
(3, 2, 'm³/h (ANR)',    'cubic metre per hour (ANR)',   1000.0 / 60,   0),
(3, 3, 'ft³/min (ANR)', 'cubic foot per minute (ANR)',  28.316846592,  0),
-- 4 length; base m
(4, 1, 'm',    'metre',                               1,               0),
(4, 2, 'mm',   'millimetre',                          0.001,           0),
(4, 3, 'ft',   'foot',                                0.3048,          0),
(4, 4, 'in',   'inch',                                0.0254,          0),
-- 5 mass; base kg
(5, 1, 'kg',   'kilogram',                            1,               0),
(5, 2, 'g',    'gram',                                0.001,           0),
(5, 3, 'lb',   'pound',                               0.45359237,      0),
-- 6 temperature; base degC
(6, 1, 'degC', 'degree Celsius',                      1,               0),
(6, 2, 'degF', 'degree Fahrenheit',                   5.0 / 9,         160.0 / 9),
(6, 3, 'K',    'kelvin',                              1,               273.15),
-- 7 volume; base cm³. The wizard also reads a typed tubing volume directly
-- by unit position (/1000, as is, /100 into dm³), hence cm³, dm³ and cL in
-- this order.
(7, 1, 'cm³',  'cubic centimetre (millilitre)',       1,               0),
(7, 2, 'dm³',  'cubic decimetre (litre)',             1000,            0),
(7, 3, 'cL',   'centilitre',                          10,              0),
-- 8 sonic conductance
(8, 1, 'dm³/(s·bar)', 'sonic conductance',            1,               0),
-- 9 count
(9, 1, 'pcs',  'pieces',                              1,               0),
-- 10 percent
(10, 1, '%',   'percent',                             1,               0),
-- 11 ratio
(11, 1, '-',   'ratio (no unit)',                     1,               0);

-- Parameters in their default unit. ParaType 0 parameters offer preset
-- values (a unit without presets is not loaded at all); ParaType 1 are
-- results shown in text fields, without presets.
-- Vacuum values are gauge kPa, entered and shown negative; the calculation
-- takes their magnitude.
-- Confine: 0 both bounds open, 1 lower closed, 2 upper closed, 3 both closed.
-- DefNum is the value the wizard preselects: it is shown again whenever a
-- button is refreshed in a remembered unit, so it equals that preset.
-- Columns: ParaID, ParaType, category, unit, IsDefaultUnit, Avail_DecPoint,
-- InputMin, InputMax, Confine, LanId, DefNum.
INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID,
                      IsDefaultUnit, Avail_DecPoint, InputMin, InputMax,
                      Confine, LanId, DefNum) VALUES
-- adsorption response time: more than 0 s
(100,  0, 2, 1,  1, 2, 0,       60,     2, 1033, 1),
-- required vacuum: 0 would need an infinite pad area
(101,  0, 1, 1,  1, 1, -100,    0,      1, 1033, -60),
-- leakage per pad; an airtight workpiece leaks 0. The wizard writes "0.1".
(102,  0, 3, 1,  1, 2, 0,       100,    3, 1033, 0.1),
-- number of pads
(105,  0, 9, 1,  1, 0, 1,       100,    3, 1033, 1),
-- tubing length
(106,  0, 4, 1,  1, 2, 0,       50,     2, 1033, 1),
-- tubing volume, dm³
(107,  0, 7, 2,  1, 3, 0,       10,     2, 1033, 0.02),
-- tubing sonic conductance
(108,  0, 8, 1,  1, 3, 0,       10,     2, 1033, 0.1),
-- number of ejectors
(109,  0, 9, 1,  1, 0, 1,       20,     3, 1033, 1),
-- release throttle opening: a closed throttle would never release
(110,  0, 10, 1, 1, 0, 0,       100,    2, 1033, 100),
-- supply pressure for release, MPa gauge
(111,  0, 1, 2,  1, 2, 0,       1,      2, 1033, 0.4),
-- vacuum pump pressure
(112,  0, 1, 1,  1, 1, -100,    0,      1, 1033, -80),
-- workpiece mass
(113,  0, 5, 1,  1, 3, 0,       1000,   2, 1033, 0.1),
-- maximum vacuum reached (result); atmospheric pressure is 101.13 kPa
(114,  1, 1, 1,  1, 1, -101.13, 0,      3, 1033, 0),
-- adsorption and release response time (results)
(115,  1, 2, 1,  1, 3, 0,       10000,  3, 1033, 0),
(116,  1, 2, 1,  1, 3, 0,       10000,  3, 1033, 0),
-- air consumption (result)
(117,  1, 3, 1,  1, 1, 0,       100000, 3, 1033, 0),
-- working vacuum for a recalculation; the result page narrows the range to
-- -0.99 x the maximum vacuum .. 0 after every calculation, and 0 kPa is a
-- valid working vacuum
(118,  0, 1, 1,  1, 1, -100,    0,      3, 1033, -60),
-- standard supply pressure of the ejector (result)
(121,  1, 1, 2,  1, 2, 0,       1,      3, 1033, 0),
-- required vacuum pump flow (result)
(123,  1, 3, 1,  1, 1, 0,       100000, 3, 1033, 0),
-- safety factor: must exceed 1; the upper bound is only a plausibility limit
(1000, 0, 11, 1, 1, 2, 1,       100,    0, 1033, 4);

-- The further units of each parameter and their decimals.
CREATE TEMP TABLE FurtherUnit (
    ParaID            INTEGER NOT NULL,
    SubUnitCategoryID INTEGER NOT NULL,
    Avail_DecPoint    INTEGER NOT NULL
);
INSERT INTO FurtherUnit (ParaID, SubUnitCategoryID, Avail_DecPoint) VALUES
-- times: ms, min
(100, 2, 0), (100, 3, 4),
(115, 2, 0), (115, 3, 4),
(116, 2, 0), (116, 3, 4),
-- vacuum: MPa, bar, psi, inHg, mmHg, Torr
(101, 2, 4), (101, 3, 3), (101, 4, 2), (101, 5, 2), (101, 6, 0), (101, 7, 0),
(112, 2, 4), (112, 3, 3), (112, 4, 2), (112, 5, 2), (112, 6, 0), (112, 7, 0),
(114, 2, 4), (114, 3, 3), (114, 4, 2), (114, 5, 2), (114, 6, 0), (114, 7, 0),
(118, 2, 4), (118, 3, 3), (118, 4, 2), (118, 5, 2), (118, 6, 0), (118, 7, 0),
-- supply pressures: kPa, bar, psi, inHg, mmHg, Torr
(111, 1, 0), (111, 3, 2), (111, 4, 1), (111, 5, 1), (111, 6, 0), (111, 7, 0),
(121, 1, 0), (121, 3, 2), (121, 4, 1), (121, 5, 1), (121, 6, 0), (121, 7, 0),
-- flows: m³/h, ft³/min
(102, 2, 4), (102, 3, 4),
(117, 2, 3), (117, 3, 3),
(123, 2, 3), (123, 3, 3),
-- tubing length: mm, ft, in
(106, 2, 0), (106, 3, 2), (106, 4, 1),
-- tubing volume: cm³, cL
(107, 1, 1), (107, 3, 2),
-- workpiece mass: g, lb
(113, 2, 0), (113, 3, 2);

INSERT INTO ParaInfo (ParaID, ParaType, UnitCategoryID, SubUnitCategoryID,
                      IsDefaultUnit, Avail_DecPoint, InputMin, InputMax,
                      Confine, LanId, DefNum)
SELECT D.ParaID, D.ParaType, D.UnitCategoryID, F.SubUnitCategoryID, 0,
       F.Avail_DecPoint,
       ROUND((D.InputMin * DU.MultiPlier - DU.AddNum + U.AddNum) / U.MultiPlier,
             F.Avail_DecPoint),
       ROUND((D.InputMax * DU.MultiPlier - DU.AddNum + U.AddNum) / U.MultiPlier,
             F.Avail_DecPoint),
       D.Confine, D.LanId,
       ROUND((D.DefNum * DU.MultiPlier - DU.AddNum + U.AddNum) / U.MultiPlier,
             F.Avail_DecPoint)
FROM ParaInfo AS D
JOIN FurtherUnit AS F ON F.ParaID = D.ParaID
JOIN UnitCategory AS DU ON DU.UnitCategoryID = D.UnitCategoryID
                       AND DU.SubUnitCategoryID = D.SubUnitCategoryID
JOIN UnitCategory AS U ON U.UnitCategoryID = D.UnitCategoryID
                      AND U.SubUnitCategoryID = F.SubUnitCategoryID
WHERE D.IsDefaultUnit = 1
ORDER BY D.ParaID, F.SubUnitCategoryID;

DROP TABLE FurtherUnit;

-- Preset values in the default unit, in SortNo order. The wizard preselects
-- by position: 110 the fifth (100 %, also what a selection carried into the
-- calculation uses), 107, 111 and 112 the third, 106 the second, the others
-- the first; the safety factor starts at 4, the value of the horizontal
-- lifting attitude. The working-vacuum list is the one of the result page.
--
-- The preset editor never deletes rows 104 to 109 and 652 to 657: they hold
-- the response-time presets (seconds) and the supply-pressure presets (MPa).
INSERT INTO CommonValue (RecNumber, ParaID, UnitCategoryID, SubUnitCategoryID,
                         LanId, SortNo, NumPopData) VALUES
(104, 100, 2, 1, 1033, 1, 0.1),
(105, 100, 2, 1, 1033, 2, 0.2),
(106, 100, 2, 1, 1033, 3, 0.5),
(107, 100, 2, 1, 1033, 4, 1),
(108, 100, 2, 1, 1033, 5, 2),
(109, 100, 2, 1, 1033, 6, 5),
(652, 111, 1, 2, 1033, 1, 0.3),
(653, 111, 1, 2, 1033, 2, 0.35),
(654, 111, 1, 2, 1033, 3, 0.4),
(655, 111, 1, 2, 1033, 4, 0.45),
(656, 111, 1, 2, 1033, 5, 0.5),
(657, 111, 1, 2, 1033, 6, 0.6);

INSERT INTO CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, LanId,
                         SortNo, NumPopData) VALUES
(101, 1, 1, 1033, 1, -60),  (101, 1, 1, 1033, 2, -70),  (101, 1, 1, 1033, 3, -80),
(102, 3, 1, 1033, 1, 0),    (102, 3, 1, 1033, 2, 0.1),  (102, 3, 1, 1033, 3, 0.5),
(102, 3, 1, 1033, 4, 1),    (102, 3, 1, 1033, 5, 2),    (102, 3, 1, 1033, 6, 5),
(102, 3, 1, 1033, 7, 10),
(105, 9, 1, 1033, 1, 1),    (105, 9, 1, 1033, 2, 2),    (105, 9, 1, 1033, 3, 4),
(105, 9, 1, 1033, 4, 6),    (105, 9, 1, 1033, 5, 8),
(106, 4, 1, 1033, 1, 0.5),  (106, 4, 1, 1033, 2, 1),    (106, 4, 1, 1033, 3, 2),
(106, 4, 1, 1033, 4, 3),    (106, 4, 1, 1033, 5, 5),
(107, 7, 2, 1033, 1, 0.005), (107, 7, 2, 1033, 2, 0.01), (107, 7, 2, 1033, 3, 0.02),
(107, 7, 2, 1033, 4, 0.05), (107, 7, 2, 1033, 5, 0.1),
(108, 8, 1, 1033, 1, 0.1),  (108, 8, 1, 1033, 2, 0.2),  (108, 8, 1, 1033, 3, 0.5),
(108, 8, 1, 1033, 4, 1),    (108, 8, 1, 1033, 5, 2),
(109, 9, 1, 1033, 1, 1),    (109, 9, 1, 1033, 2, 2),    (109, 9, 1, 1033, 3, 3),
(109, 9, 1, 1033, 4, 4),
(110, 10, 1, 1033, 1, 20),  (110, 10, 1, 1033, 2, 40),  (110, 10, 1, 1033, 3, 60),
(110, 10, 1, 1033, 4, 80),  (110, 10, 1, 1033, 5, 100),
(112, 1, 1, 1033, 1, -60),  (112, 1, 1, 1033, 2, -70),  (112, 1, 1, 1033, 3, -80),
(112, 1, 1, 1033, 4, -90),
(113, 5, 1, 1033, 1, 0.1),  (113, 5, 1, 1033, 2, 0.2),  (113, 5, 1, 1033, 3, 0.5),
(113, 5, 1, 1033, 4, 1),    (113, 5, 1, 1033, 5, 2),    (113, 5, 1, 1033, 6, 5),
(113, 5, 1, 1033, 7, 10),   (113, 5, 1, 1033, 8, 20),   (113, 5, 1, 1033, 9, 50),
(118, 1, 1, 1033, 1, -80),  (118, 1, 1, 1033, 2, -70),  (118, 1, 1, 1033, 3, -50),
(118, 1, 1, 1033, 4, -20),  (118, 1, 1, 1033, 5, -10),
(1000, 11, 1, 1033, 1, 4),  (1000, 11, 1, 1033, 2, 5),  (1000, 11, 1, 1033, 3, 6),
(1000, 11, 1, 1033, 4, 7),  (1000, 11, 1, 1033, 5, 8);

-- The same presets in every further unit.
INSERT INTO CommonValue (ParaID, UnitCategoryID, SubUnitCategoryID, LanId,
                         SortNo, NumPopData)
SELECT P.ParaID, P.UnitCategoryID, P.SubUnitCategoryID, P.LanId, C.SortNo,
       ROUND((C.NumPopData * DU.MultiPlier - DU.AddNum + U.AddNum) / U.MultiPlier,
             P.Avail_DecPoint)
FROM ParaInfo AS P
JOIN ParaInfo AS D ON D.ParaID = P.ParaID AND D.LanId = P.LanId
                  AND D.IsDefaultUnit = 1
JOIN CommonValue AS C ON C.ParaID = D.ParaID
                     AND C.UnitCategoryID = D.UnitCategoryID
                     AND C.SubUnitCategoryID = D.SubUnitCategoryID
                     AND C.LanId = D.LanId
JOIN UnitCategory AS DU ON DU.UnitCategoryID = D.UnitCategoryID
                       AND DU.SubUnitCategoryID = D.SubUnitCategoryID
JOIN UnitCategory AS U ON U.UnitCategoryID = P.UnitCategoryID
                      AND U.SubUnitCategoryID = P.SubUnitCategoryID
WHERE P.ParaType = 0 AND P.IsDefaultUnit = 0
ORDER BY P.ParaID, P.SubUnitCategoryID, C.SortNo;

-- Modules and their items. Item names come from the language files, keyed
-- by module followed by item ("17"). Each parameter has one item only: a
-- scheme is looked up through the first item of a parameter, so a second
-- item would carry a unit that is never applied. Module 2 therefore lists
-- only the inputs that the characteristic calculation alone has.
-- InputFlag 1: the item's presets are edited in the settings dialog; results
-- (InputFlag 0) still follow the unit schemes.
INSERT INTO ModelMaster (ModelID) VALUES (1), (2);

INSERT INTO ModelDetail (ModelID, ItemID, ParaID, InputFlag,
                         DefUnitCategoryID, DefSubUnitCategoryID) VALUES
(1, 1,  100,  1, 2, 1),   -- adsorption response time, s
(1, 2,  111,  1, 1, 2),   -- supply pressure for release, MPa
(1, 3,  112,  1, 1, 1),   -- vacuum pump pressure, kPa
(1, 4,  113,  1, 5, 1),   -- workpiece mass, kg
(1, 5,  1000, 1, 11, 1),  -- safety factor
(1, 6,  105,  1, 9, 1),   -- number of pads
(1, 7,  101,  1, 1, 1),   -- required vacuum, kPa
(1, 8,  102,  1, 3, 1),   -- leakage per pad, L/min (ANR)
(1, 9,  106,  1, 4, 1),   -- tubing length, m
(1, 10, 118,  1, 1, 1),   -- working vacuum for a recalculation, kPa
(1, 11, 114,  0, 1, 1),   -- maximum vacuum, kPa
(1, 12, 115,  0, 2, 1),   -- adsorption response time, s
(1, 13, 116,  0, 2, 1),   -- release response time, s
(1, 14, 117,  0, 3, 1),   -- air consumption, L/min (ANR)
(1, 15, 121,  0, 1, 2),   -- standard supply pressure, MPa
(1, 16, 123,  0, 3, 1),   -- required vacuum pump flow, L/min (ANR)
(2, 1,  107,  1, 7, 2),   -- tubing volume, dm³
(2, 2,  108,  1, 8, 1),   -- tubing sonic conductance
(2, 3,  109,  1, 9, 1),   -- number of ejectors
(2, 4,  110,  1, 10, 1);  -- release throttle opening, %

-- Unit schemes. Scheme 1 is the fixed scheme: every item in its default
-- unit. Scheme 2 is an editable example in inch-pound units. A scheme needs
-- a row for every item: an item without one would start in its parameter's
-- first unit instead of its default.
INSERT INTO UnitSchemeMaster (SchemeID, SchemeName, Memol) VALUES
(1, 'Standard', 'Calculation units: kPa, MPa, s, kg, m, L/min (ANR), dm³'),
(2, 'Imperial', 'inHg, psi, lb, ft and ft³/min');

INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, UnitCategoryID,
                              SubUnitCategoryID)
SELECT 1, ModelID, ItemID, DefUnitCategoryID, DefSubUnitCategoryID
FROM ModelDetail;

INSERT INTO UnitSchemeDetail (SchemeID, ModelID, ItemID, UnitCategoryID,
                              SubUnitCategoryID)
SELECT 2, ModelID, ItemID, DefUnitCategoryID,
       CASE
           WHEN ParaID IN (111, 121)         THEN 4  -- supply pressures in psi
           WHEN DefUnitCategoryID = 1        THEN 5  -- vacuum in inHg
           WHEN DefUnitCategoryID IN (3, 4, 5) THEN 3  -- ft³/min, ft, lb
           ELSE DefSubUnitCategoryID
       END
FROM ModelDetail;

COMMIT;
