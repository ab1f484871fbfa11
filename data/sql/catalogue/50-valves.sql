-- Valves and release throttles. Conductances C1to2 (ports 1-2) and C2to3
-- (ports 2-3) in dm^3/(s*bar); a 2-port valve has no path 2-3 (C2to3 0).
-- USE 0: general valve (supply, release, switching); 1: vacuum switching valve;
-- 2: vacuum switching valve whose release time the release line sets.
-- Model names: series and conductance in 0.01 dm^3/(s*bar): "VSA-035".
--
-- The large valves (VSE, and the two largest of VSB) and the large speed
-- controllers are not sold in South America, so the largest ejectors find no
-- supply valve there. VSB-500 has a large path 1-2 but a small path 2-3, and
-- VSC-2P is a 2-port switching valve: both fail the switching-valve rule where
-- the other port's size counts.

BEGIN;

INSERT INTO M_VA (ID, SERIESID, M_Name, Port, USE, C1to2, C2to3,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(101, 'VSA', 'VSA-010', 2, 0, 0.10, 0, 1, 1, 1, 1),
(102, 'VSA', 'VSA-020', 2, 0, 0.20, 0, 1, 1, 1, 1),
(103, 'VSA', 'VSA-035', 2, 0, 0.35, 0, 1, 1, 1, 1),
(104, 'VSA', 'VSA-060', 2, 0, 0.60, 0, 1, 1, 1, 1),
(105, 'VSA', 'VSA-100', 2, 0, 1.00, 0, 1, 1, 1, 1),
(106, 'VSA', 'VSA-140', 2, 0, 1.40, 0, 1, 1, 1, 1),
(201, 'VSB', 'VSB-030', 3, 0, 0.30, 0.25, 1, 1, 1, 1),
(202, 'VSB', 'VSB-060', 3, 0, 0.60, 0.50, 1, 1, 1, 1),
(203, 'VSB', 'VSB-100', 3, 0, 1.00, 0.80, 1, 1, 1, 1),
(204, 'VSB', 'VSB-180', 3, 0, 1.80, 1.50, 1, 1, 1, 1),
(205, 'VSB', 'VSB-300', 3, 0, 3.00, 2.40, 1, 1, 0, 1),
(206, 'VSB', 'VSB-500', 3, 0, 5.00, 1.00, 1, 1, 0, 1),
(301, 'VSC', 'VSC-050', 3, 1, 0.50, 0.40, 1, 1, 1, 1),
(302, 'VSC', 'VSC-100', 3, 1, 1.00, 0.90, 1, 1, 1, 1),
(303, 'VSC', 'VSC-200', 3, 1, 2.00, 1.80, 1, 1, 1, 1),
(304, 'VSC', 'VSC-300', 3, 1, 3.00, 2.60, 1, 1, 1, 1),
(305, 'VSC', 'VSC-2P',  2, 1, 1.50, 0,    1, 1, 1, 1),
(401, 'VSD', 'VSD-050', 3, 2, 0.50, 0.45, 1, 1, 0, 1),
(402, 'VSD', 'VSD-120', 3, 2, 1.20, 1.00, 1, 1, 0, 1),
(403, 'VSD', 'VSD-250', 3, 2, 2.50, 2.20, 1, 1, 0, 1),
(501, 'VSE', 'VSE-200', 2, 0, 2.00, 0, 1, 1, 0, 1),
(502, 'VSE', 'VSE-320', 2, 0, 3.20, 0, 1, 1, 0, 1),
(503, 'VSE', 'VSE-500', 2, 0, 5.00, 0, 1, 1, 0, 1);

INSERT INTO M_SPECON (ID, SERIESID, M_Name, C1to2,
                      ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(101, 'SCA', 'SCA-010', 0.10, 1, 1, 1, 1),
(102, 'SCA', 'SCA-020', 0.20, 1, 1, 1, 1),
(103, 'SCA', 'SCA-035', 0.35, 1, 1, 1, 1),
(104, 'SCA', 'SCA-060', 0.60, 1, 1, 1, 1),
(105, 'SCA', 'SCA-100', 1.00, 1, 1, 1, 1),
(106, 'SCA', 'SCA-150', 1.50, 1, 0, 1, 1),
(201, 'SCB', 'SCB-080', 0.80, 1, 1, 0, 1),
(202, 'SCB', 'SCB-150', 1.50, 1, 1, 0, 1),
(203, 'SCB', 'SCB-220', 2.20, 1, 1, 0, 1),
(204, 'SCB', 'SCB-300', 3.00, 1, 1, 0, 1);

COMMIT;
