-- Ejectors (System_Cat 1) and vacuum units (System_Cat 2).
--
-- Ejectors are made from model lines (series, nozzle, flow type, release-valve
-- variant) times the standard supply pressures each series offers. Their figures
-- follow from nozzle d (mm) and supply pressure p (MPa):
--   air consumption  A = 74 * d^2 * (p + 0.1)               (L/min ANR)
--   suction flow     Max_flow = 0.55 * A (standard "S"), 0.8 * A (large "L")
--   maximum vacuum   Max_pressure = -(84 + 18 p) ("S"), -(78 + 18 p) ("L")  (kPa)
--   characteristic   N = 1 (straight line) below 1.0 mm; N = 2 from 1.0 mm with
--                    the knee point P1 = 0.75 * Max_pressure at Q1 = 0.35 * Max_flow
--   back-flow path   Diu_DIAMETER = 0.2 * d^2                 (dm^3/(s*bar))
--   built-in release path (Type 1 only) Hakai_C = 0.25 + 0.3 * d^2, Hakai_b = 0.35
-- Type 1 ejectors have their supply and release valves built in; Valve_V2 1 works
-- with or without using the release valve, Valve_V2 2 only with it. M_Name1 names
-- the variant without release valve ("-N"). Type 2 ejectors have no valves.
-- Model names: series, nozzle in 0.1 mm, flow type, supply pressure in 0.01 MPa
-- and, for Type 1, the valve variant: "EVA-07S-40-R".
--
-- Vacuum units sit between a vacuum pump and the pads: Sup_C/Sup_b describe their
-- vacuum path, Hakai_C/Hakai_b their release path (dm^3/(s*bar), critical ratio);
-- the pump sets vacuum and flow. VUP is the series the program treats apart
-- (its pilot valves need a release supply pressure of at least 0.3 MPa).

BEGIN;

CREATE TEMP TABLE ej_lines (
    series TEXT, base INTEGER, type INTEGER, d REAL, flow TEXT, valve INTEGER,
    asia INTEGER, europe INTEGER, southamerica INTEGER, northamerica INTEGER);
CREATE TEMP TABLE ej_pressures (series TEXT, p REAL);

INSERT INTO ej_lines VALUES
('EVA', 2100, 1, 0.5, 'S', 1, 1, 1, 1, 1),
('EVA', 2100, 1, 0.7, 'S', 1, 1, 1, 1, 1),
('EVA', 2100, 1, 1.0, 'S', 1, 1, 1, 1, 1),
('EVA', 2100, 1, 1.2, 'S', 1, 1, 1, 1, 1),
('EVA', 2100, 1, 0.5, 'S', 2, 1, 1, 1, 1),
('EVA', 2100, 1, 0.7, 'S', 2, 1, 1, 1, 1),
('EVA', 2100, 1, 1.0, 'S', 2, 1, 1, 1, 1),
('EVA', 2100, 1, 1.2, 'S', 2, 1, 1, 1, 1),
('EVB', 2200, 1, 1.0, 'S', 1, 1, 1, 1, 1),
('EVB', 2200, 1, 1.2, 'S', 1, 1, 1, 1, 1),
('EVB', 2200, 1, 1.5, 'S', 1, 1, 1, 1, 1),
('EVB', 2200, 1, 2.0, 'S', 1, 1, 1, 1, 1),
('EVB', 2200, 1, 1.0, 'L', 2, 1, 1, 0, 1),
('EVB', 2200, 1, 1.2, 'L', 2, 1, 1, 0, 1),
('EVB', 2200, 1, 1.5, 'L', 2, 1, 1, 0, 1),
('EVB', 2200, 1, 2.0, 'L', 2, 1, 1, 0, 1),
('EXA', 2300, 2, 0.5, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 0.7, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.0, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.2, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.5, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 2.0, 'S', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.0, 'L', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.2, 'L', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 1.5, 'L', 1, 1, 1, 1, 1),
('EXA', 2300, 2, 2.0, 'L', 1, 1, 1, 1, 1),
('EXB', 2400, 2, 0.7, 'S', 1, 1, 1, 1, 0),
('EXB', 2400, 2, 1.0, 'S', 1, 1, 1, 1, 0),
('EXB', 2400, 2, 1.5, 'S', 1, 1, 1, 1, 0),
('EXB', 2400, 2, 0.7, 'L', 1, 0, 1, 1, 0),
('EXB', 2400, 2, 1.0, 'L', 1, 1, 1, 1, 0),
('EXB', 2400, 2, 1.5, 'L', 1, 1, 1, 1, 0);

-- Not every series offers every standard supply pressure.
INSERT INTO ej_pressures VALUES
('EVA', 0.4), ('EVA', 0.5),
('EVB', 0.35), ('EVB', 0.45), ('EVB', 0.5),
('EXA', 0.35), ('EXA', 0.4), ('EXA', 0.45), ('EXA', 0.5),
('EXB', 0.45);

WITH models AS (
    SELECT l.*, p.p,
           round(74 * l.d * l.d * (p.p + 0.1), 1) AS air,
           CASE WHEN l.d >= 1.0 THEN 2 ELSE 1 END AS n
    FROM ej_lines l JOIN ej_pressures p ON p.series = l.series
),
figures AS (
    SELECT *,
           round(air * CASE flow WHEN 'S' THEN 0.55 ELSE 0.8 END, 1) AS qmax,
           round(-(CASE flow WHEN 'S' THEN 84 ELSE 78 END + 18 * p), 1) AS pmax,
           printf('%s-%02d%s-%d', series, CAST(round(d * 10) AS INTEGER), flow,
                  CAST(round(p * 100) AS INTEGER)) AS stem
    FROM models
)
INSERT INTO M_EJ (ID, SERIESID, M_Name, M_Name1, System_Cat, Type, Valve_V2, Flow_Type,
                  Stand_Pressure, Max_pressure, Max_flow, Air_Comsuption, N, P1, Q1,
                  Nozzle_Diameter, Sup_C, Sup_b, Hakai_C, Hakai_b, Diu_DIAMETER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA)
SELECT base + ROW_NUMBER() OVER (PARTITION BY series ORDER BY valve, flow, d, p),
       series,
       stem || CASE type WHEN 1 THEN CASE valve WHEN 1 THEN '-R' ELSE '-P' END ELSE '' END,
       stem || CASE type WHEN 1 THEN '-N' ELSE '' END,
       1, type, valve, flow, p, pmax, qmax, air, n,
       CASE n WHEN 2 THEN round(0.75 * pmax, 1) END,
       CASE n WHEN 2 THEN round(0.35 * qmax, 1) END,
       d, 0, 0,
       CASE type WHEN 1 THEN round(0.25 + 0.3 * d * d, 2) ELSE 0 END,
       CASE type WHEN 1 THEN 0.35 ELSE 0 END,
       round(0.2 * d * d, 3),
       asia, europe, southamerica, northamerica
FROM figures
ORDER BY series, valve, flow, d, p;

DROP TABLE ej_lines;
DROP TABLE ej_pressures;

-- Vacuum units. Nozzle_Diameter holds the equivalent port diameter (mm).
INSERT INTO M_EJ (ID, SERIESID, M_Name, M_Name1, System_Cat, Type, Valve_V2, Flow_Type,
                  Stand_Pressure, Max_pressure, Max_flow, Air_Comsuption, N,
                  Nozzle_Diameter, Sup_C, Sup_b, Hakai_C, Hakai_b, Diu_DIAMETER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(3101, 'VUA', 'VUA-02', 'VUA-02', 2, 2, 1, '', 0, 0, 0, 0, 1, 1.0,  0.2, 0.35, 0.15, 0.3, 0, 1, 1, 1, 1),
(3102, 'VUA', 'VUA-04', 'VUA-04', 2, 2, 1, '', 0, 0, 0, 0, 1, 1.4,  0.4, 0.35, 0.3,  0.3, 0, 1, 1, 1, 1),
(3103, 'VUA', 'VUA-08', 'VUA-08', 2, 2, 1, '', 0, 0, 0, 0, 1, 2.0,  0.8, 0.35, 0.5,  0.3, 0, 1, 1, 1, 1),
(3104, 'VUA', 'VUA-15', 'VUA-15', 2, 2, 1, '', 0, 0, 0, 0, 1, 2.7,  1.5, 0.35, 0.8,  0.3, 0, 1, 1, 1, 1),
(3105, 'VUA', 'VUA-25', 'VUA-25', 2, 2, 1, '', 0, 0, 0, 0, 1, 3.5,  2.5, 0.35, 1.2,  0.3, 0, 1, 1, 0, 1),
(3201, 'VUP', 'VUP-06', 'VUP-06', 2, 2, 1, '', 0, 0, 0, 0, 1, 1.7,  0.6, 0.4,  0.4,  0.35, 0, 1, 1, 0, 1),
(3202, 'VUP', 'VUP-12', 'VUP-12', 2, 2, 1, '', 0, 0, 0, 0, 1, 2.4,  1.2, 0.4,  0.7,  0.35, 0, 1, 1, 0, 1),
(3203, 'VUP', 'VUP-24', 'VUP-24', 2, 2, 1, '', 0, 0, 0, 0, 1, 3.5,  2.4, 0.4,  1.2,  0.35, 0, 1, 1, 0, 1),
(3204, 'VUP', 'VUP-40', 'VUP-40', 2, 2, 1, '', 0, 0, 0, 0, 1, 4.5,  4.0, 0.4,  2.0,  0.35, 0, 1, 1, 0, 1);

COMMIT;
