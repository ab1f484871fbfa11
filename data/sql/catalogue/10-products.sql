-- Series and products: suction pads, tubing, ejectors and vacuum units, valves,
-- release throttles.

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

COMMIT;
