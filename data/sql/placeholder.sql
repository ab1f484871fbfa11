-- Placeholder catalogue of ZAVK: a few series and products of each kind,
-- the units and parameters the wizard binds, two unit schemes and the
-- leakage reference for two pads: enough to run every page of the program
-- until the real catalogue replaces this file.
--
-- Run after schema.sql. Units as in the schema: pressures in kPa gauge
-- (vacuum negative) or MPa gauge, flows in dm^3/min (ANR), conductances in
-- dm^3/(s*bar), diameters in mm.

BEGIN;

-- Series. Region columns give the list position per region (0 = not sold
-- there); the order differs between Asia and Europe on purpose.
INSERT INTO SERIES (ID, SERIESID, SERIES_NAME, SERIES_Note, SERIES_PIC,
                    ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VPF', 'Flat suction pads',
 'Flat pads in NBR, silicone or fluororubber.
For flat, smooth workpieces such as sheet metal or glass.',
 'SER_VPF', 1, 2, 1, 1),
(2, 'VPB', 'Bellows suction pads',
 'Pads with a bellows of one and a half folds.
For curved or inclined surfaces and for gentle contact.',
 'SER_VPB', 2, 1, 0, 2),
(3, 'VTU', 'Polyurethane tubing',
 'Flexible tubing in metric sizes.',
 'SER_VTU', 3, 4, 2, 3),
(4, 'VTN', 'Nylon tubing',
 'Rigid tubing for long runs.
Keeps its inner volume under vacuum.',
 'SER_VTN', 4, 3, 0, 4),
(5, 'VEC', 'Compact ejectors with release function',
 'Single-stage ejectors with built-in supply and release valves.
Standard flow and large flow types.',
 'SER_VEC', 5, 6, 3, 5),
(6, 'VEX', 'Inline ejectors',
 'Ejectors without valves, for circuits with separate supply and release valves.',
 'SER_VEX', 6, 5, 4, 6),
(7, 'VUS', 'Vacuum switching units',
 'Suction and release valves in one block, for use with a vacuum pump.',
 'SER_VUS', 7, 7, 5, 7),
(8, 'VSV', 'General purpose solenoid valves',
 '2-port and 3-port solenoid valves for vacuum and compressed air.',
 'SER_VSV', 8, 9, 6, 8),
(9, 'VSW', 'Vacuum switching valves',
 '3-port valves that switch the pads between vacuum and release.',
 'SER_VSW', 9, 8, 7, 9),
(10, 'VFT', 'Flow throttle valves',
 'Needle valves that set the release flow.',
 'SER_VFT', 10, 10, 8, 10);

-- Suction pads. PAD_S = pi * d^2 / 4. VPX-15 belongs to a series without a
-- SERIES row: never listed, but still found by its ID.
INSERT INTO M_PT (ID, SERIESID, M_NAME, PAD_S, BUFFER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VPF', 'VPF-10',    78.54,   0, 1, 1, 1, 1),
(2, 'VPF', 'VPF-20',   314.16,   0, 1, 1, 1, 1),
(3, 'VPF', 'VPF-40',  1256.64,   0, 1, 1, 1, 1),
(4, 'VPF', 'VPF-63',  3117.25,   0, 1, 1, 1, 0),
(5, 'VPF', 'VPF-20B',  314.16,   1, 1, 1, 1, 1),
(6, 'VPB', 'VPB-20',   314.16,   0, 1, 1, 0, 1),
(7, 'VPX', 'VPX-15',   176.71,   0, 1, 1, 1, 1);

-- Tubing, named outer x inner diameter (mm).
INSERT INTO M_Tube (ID, SERIESID, M_Name, DIAMETER_IN,
                    ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VTU', 'VTU-4x2.5',  2.5, 1, 1, 1, 1),
(2, 'VTU', 'VTU-6x4',    4.0, 1, 1, 1, 1),
(3, 'VTU', 'VTU-8x5',    5.0, 1, 1, 1, 1),
(4, 'VTU', 'VTU-10x6.5', 6.5, 1, 1, 1, 1),
(5, 'VTN', 'VTN-6x4',    4.0, 1, 1, 0, 1);

-- Ejectors (System_Cat 1) and vacuum units (System_Cat 2).
-- Flow and air consumption grow with the nozzle area and the supply
-- pressure; an N = 2 knee point (P1, Q1) lies above the straight line from
-- (0, Max_pressure) to (Max_flow, 0). The units have no suction
-- characteristic of their own: the pump behind them sets vacuum and flow.
-- ID 9 is a discontinued model: no series, kept for stored selections.
INSERT INTO M_EJ (ID, SERIESID, M_Name, M_Name1, System_Cat, Type, Valve_V2,
                  Flow_Type, Stand_Pressure, Max_pressure, Max_flow,
                  Air_Comsuption, N, P1, Q1, Nozzle_Diameter,
                  Sup_C, Sup_b, Hakai_C, Hakai_b, Diu_DIAMETER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VEC', 'VEC-05S', 'VEC-05S-N', 1, 1, 1, 'S', 0.4,  -88,  6,  11, 1,   0,  0, 0.5, 0.30, 0.35, 0.15, 0.30, 0.08, 1, 1, 1, 1),
(2, 'VEC', 'VEC-10S', 'VEC-10S-N', 1, 1, 1, 'S', 0.4,  -90, 25,  45, 2, -60, 12, 1.0, 0.60, 0.30, 0.30, 0.30, 0.15, 1, 1, 1, 1),
(3, 'VEC', 'VEC-15S', 'VEC-15S-N', 1, 1, 2, 'S', 0.4,  -91, 60, 100, 2, -65, 28, 1.5, 1.00, 0.30, 0.50, 0.35, 0.25, 1, 1, 1, 1),
(4, 'VEC', 'VEC-10L', 'VEC-10L-N', 1, 1, 2, 'L', 0.5,  -84, 38,  53, 2, -45, 22, 1.0, 0.70, 0.40, 0.30, 0.30, 0.15, 1, 1, 1, 1),
(5, 'VEX', 'VEX-07S', '',          1, 2, 1, 'S', 0.45, -90, 12,  24, 1,   0,  0, 0.7, 0.40, 0.35, 0.20, 0.30, 0.10, 1, 1, 1, 1),
(6, 'VEX', 'VEX-12S', '',          1, 2, 2, 'S', 0.5,  -93, 36,  76, 2, -70, 15, 1.2, 0.80, 0.30, 0.35, 0.30, 0.20, 1, 0, 1, 1),
(7, 'VUS', 'VUS-04',  '',          2, 0, 0, 'S', 0.5,    0,  0,   0, 1,   0,  0, 0.0, 0.40, 0.30, 0.25, 0.30, 0.05, 1, 1, 1, 1),
(8, 'VUS', 'VUS-08',  '',          2, 0, 0, 'S', 0.5,    0,  0,   0, 1,   0,  0, 0.0, 0.80, 0.30, 0.45, 0.30, 0.10, 1, 1, 0, 1),
(9, '',    'VEC-05S-A', 'VEC-05S-AN', 1, 1, 1, 'S', 0.35, -86, 5.5, 10, 1, 0, 0, 0.5, 0.30, 0.35, 0.15, 0.30, 0.08, 1, 1, 1, 1);

-- Valves. USE 0: general valves (supply and release); 1 and 2: switching
-- valves, 2 without a release time of its own. A 2-port valve has no
-- path 2-3 (C2to3 0).
INSERT INTO M_VA (ID, SERIESID, M_Name, Port, USE, C1to2, C2to3,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VSV', 'VSV-2-03',  2, 0, 0.3, 0.0, 1, 1, 1, 1),
(2, 'VSV', 'VSV-2-10',  2, 0, 1.0, 0.0, 1, 1, 1, 1),
(3, 'VSV', 'VSV-3-06',  3, 0, 0.6, 0.5, 1, 1, 1, 1),
(4, 'VSV', 'VSV-3-15',  3, 0, 1.5, 1.2, 1, 1, 1, 0),
(5, 'VSW', 'VSW-3-08',  3, 1, 0.8, 0.8, 1, 1, 1, 1),
(6, 'VSW', 'VSW-3-08R', 3, 2, 0.8, 0.7, 1, 1, 0, 1);

-- Release throttles.
INSERT INTO M_SPECON (ID, SERIESID, M_Name, C1to2,
                      ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(1, 'VFT', 'VFT-03', 0.12, 1, 1, 1, 1),
(2, 'VFT', 'VFT-06', 0.35, 1, 1, 1, 1),
(3, 'VFT', 'VFT-10', 0.90, 1, 1, 0, 1);

-- Leakage reference. SHAPE_Type 0 flat, 1 bellows; MATERIA_Type 0 NBR,
-- 1 silicone, 2 fluororubber. P_: vacuum reached (kPa), L_: leakage
-- (dm^3/min ANR). The bellows/silicone row has no 'HIGH' counterpart.
INSERT INTO Material (SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE,
    P_STEEL, L_STEEL, P_S_WOOD, L_S_WOOD, P_C_WOOD, L_C_WOOD,
    P_S_CONCRETE, L_S_CONCRETE, P_C_CONCRETE, L_C_CONCRETE,
    P_CIRCUIT, L_CIRCUIT, P_ST_CARDBOARD, L_ST_CARDBOARD,
    P_T_CARDBOARD, L_T_CARDBOARD, P_CARDBOARD, L_CARDBOARD,
    P_NEWS, L_NEWS, P_COPY, L_COPY, P_VINYL, L_VINYL,
    P_S_STYROFOAM, L_S_STYROFOAM, P_C_STYROFOAM, L_C_STYROFOAM,
    P_CD, L_CD, P_S_MARBLE, L_S_MARBLE, P_C_MARBLE, L_C_MARBLE) VALUES
('VPF-10', 0, 0, 'LOW',
    '-85', '0', '-72', '0.3', '-48', '1.6',
    '-55', '1.1', '-28', '3.2',
    '-80', '0.1', '-42', '1.8',
    '-33', '2.4', '-22', '3.6',
    '-12', '5.5', '-36', '2.2', '-84', '0',
    '-62', '0.7', '-38', '2',
    '-85', '0', '-78', '0.15', '-56', '0.9'),
('VPF-10', 0, 0, 'HIGH',
    '-91', '0', '-80', '0.45', '-56', '2.3',
    '-63', '1.6', '-34', '4.5',
    '-80', '0.1', '-50', '2.6',
    '-40', '3.3', '-27', '4.9',
    '-15', '7.2', '-43', '3.1', '-90', '0',
    '-70', '1', '-45', '2.8',
    '-91', '0', '-85', '0.2', '-63', '1.3'),
('VPF-20', 0, 0, 'LOW',
    '-86', '0', '-71', '0.6', '-46', '3.3',
    '-54', '2.2', '-27', '6.5',
    '-80', '0.2', '-41', '3.7',
    '-32', '4.9', '-21', '7.3',
    '-11', '11', '-35', '4.5', '-84', '0',
    '-61', '1.4', '-37', '4.1',
    '-86', '0', '-77', '0.3', '-55', '1.8'),
('VPF-20', 0, 0, 'HIGH',
    '-92', '0', '-79', '0.9', '-55', '4.7',
    '-62', '3.2', '-33', '9',
    '-80', '0.2', '-49', '5.2',
    '-39', '6.7', '-26', '9.9',
    '-14', '14.5', '-42', '6.3', '-90', '0',
    '-69', '2', '-44', '5.7',
    '-92', '0', '-84', '0.4', '-62', '2.6'),
('VPF-20', 1, 1, 'LOW',
    '-82', '0', '-68', '0.7', '-44', '3.5',
    '-51', '2.4', '-25', '6.9',
    '-78', '0.2', '-39', '3.9',
    '-30', '5.2', '-20', '7.6',
    '-10', '11.5', '-33', '4.7', '-81', '0',
    '-58', '1.5', '-35', '4.3',
    '-82', '0', '-74', '0.35', '-52', '1.9');

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

INSERT INTO DBVersion (VersionID) VALUES ('0.1-placeholder');

COMMIT;
