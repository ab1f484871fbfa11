-- Workpiece leakage reference: vacuum reached and leakage of the 10, 20, 40
-- and 63 mm flat-pad sizes on seventeen workpiece materials, per pad shape
-- (SHAPE_Type 0 flat, 1 bellows), pad material (MATERIA_Type 0 NBR,
-- 1 silicone, 2 fluororubber) and measuring condition (PRESSTURE 'LOW' and
-- 'HIGH', the high one with the larger source flow).
--
-- Texts, shown by the leakage dialog as stored:
--   P_ columns  vacuum reached in kPa, a negative whole number: '-78'.
--   L_ columns  leakage in L/min (ANR), plain decimal without trailing zeros:
--               two decimals below 1, one decimal below 10, whole numbers
--               from 10 up: '0.05', '1.6', '22'; no leakage is '0'.
--
-- The rows come from one rule, so that they stay consistent with each other
-- (more leakage, less vacuum; larger pads and rougher surfaces leak more):
--
--   Each workpiece has a nominal leakage q (L/min) of the 10 mm flat NBR pad
--   at 85 kPa vacuum and a roughness r (0 smooth .. 1 coarse). The gap under
--   the lip acts as a conductance that grows with the rim length, i.e. with
--   the diameter D:
--       g = q / 85 * D / 10 * shape factor * pad material factor  [L/min/kPa]
--   shape factor:        flat 1, bellows 1.05 + 0.15 r
--   pad material factor: NBR 1, silicone 0.97 - 0.12 r (the softer lip seals
--                        rough surfaces better), fluororubber 1.03 + 0.12 r
--   The source of a condition falls linearly from its end vacuum Pmax at no
--   flow to its flow Qmax at no vacuum ('LOW' 85 kPa / 40 L/min, 'HIGH'
--   90 kPa / 70 L/min). The reading is where source and gap meet:
--       p = Pmax / (1 + g * Pmax / Qmax),   L = g * p
--
-- Two combinations are deliberately irregular; the leakage dialog has to cope
-- with both:
--   * VPF-63 bellows fluororubber has only a 'LOW' row (no measurement with
--     the larger source): the dialog leaves its cells empty.
--   * VPF-10 bellows silicone reads the same in both conditions (its 'HIGH'
--     row repeats the 'LOW' values, '0' leakage on steel): the dialog shows
--     single values instead of ranges.

BEGIN;

INSERT INTO Material (SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE,
    P_STEEL, L_STEEL, P_S_WOOD, L_S_WOOD, P_C_WOOD, L_C_WOOD,
    P_S_CONCRETE, L_S_CONCRETE, P_C_CONCRETE, L_C_CONCRETE,
    P_CIRCUIT, L_CIRCUIT, P_ST_CARDBOARD, L_ST_CARDBOARD,
    P_T_CARDBOARD, L_T_CARDBOARD, P_CARDBOARD, L_CARDBOARD,
    P_NEWS, L_NEWS, P_COPY, L_COPY, P_VINYL, L_VINYL,
    P_S_STYROFOAM, L_S_STYROFOAM, P_C_STYROFOAM, L_C_STYROFOAM,
    P_CD, L_CD, P_S_MARBLE, L_S_MARBLE, P_C_MARBLE, L_C_MARBLE)
WITH
pad(SK_PAD, d) AS (VALUES
    ('VPF-10', 10), ('VPF-20', 20), ('VPF-40', 40), ('VPF-63', 63)),
shape(SHAPE_Type, base, per_r) AS (VALUES
    (0, 1.0, 0.0),      -- flat
    (1, 1.05, 0.15)),   -- bellows
padmaterial(MATERIA_Type, base, per_r) AS (VALUES
    (0, 1.0, 0.0),      -- NBR
    (1, 0.97, -0.12),   -- silicone
    (2, 1.03, 0.12)),   -- fluororubber
source(PRESSTURE, pmax, qmax) AS (VALUES
    ('LOW', 85.0, 40.0),
    ('HIGH', 90.0, 70.0)),
-- Column stem, nominal leakage q of the 10 mm flat NBR pad, roughness r.
workpiece(stem, q, r) AS (VALUES
    ('STEEL',        0.0,  0.0),
    ('S_WOOD',       0.3,  0.3),
    ('C_WOOD',       1.5,  1.0),
    ('S_CONCRETE',   1.0,  0.6),
    ('C_CONCRETE',   3.0,  1.0),
    ('CIRCUIT',      0.1,  0.1),
    ('ST_CARDBOARD', 1.8,  0.4),
    ('T_CARDBOARD',  2.4,  0.5),
    ('CARDBOARD',    3.5,  0.7),
    ('NEWS',         5.5,  0.3),
    ('COPY',         0.5,  0.2),
    ('VINYL',        0.05, 0.0),
    ('S_STYROFOAM',  0.7,  0.4),
    ('C_STYROFOAM',  2.0,  1.0),
    ('CD',           0.03, 0.0),
    ('S_MARBLE',     0.15, 0.1),
    ('C_MARBLE',     0.9,  0.8)),
-- The rows to store. The 63 mm fluororubber bellows has no 'HIGH' row; the
-- 'HIGH' row of the 10 mm silicone bellows is computed with the 'LOW' source.
wanted(SK_PAD, d, SHAPE_Type, MATERIA_Type, PRESSTURE, measured_with) AS (
    SELECT pad.SK_PAD, pad.d, shape.SHAPE_Type, padmaterial.MATERIA_Type, source.PRESSTURE,
           CASE WHEN pad.SK_PAD = 'VPF-10' AND shape.SHAPE_Type = 1
                     AND padmaterial.MATERIA_Type = 1 THEN 'LOW'
                ELSE source.PRESSTURE END
    FROM pad, shape, padmaterial, source
    WHERE NOT (pad.SK_PAD = 'VPF-63' AND shape.SHAPE_Type = 1
               AND padmaterial.MATERIA_Type = 2 AND source.PRESSTURE = 'HIGH')),
gap AS (
    SELECT w.SK_PAD, w.SHAPE_Type, w.MATERIA_Type, w.PRESSTURE, wp.stem,
           src.pmax, src.qmax,
           wp.q / 85.0 * w.d / 10.0 * (s.base + s.per_r * wp.r)
               * (m.base + m.per_r * wp.r) AS g
    FROM wanted AS w
    JOIN shape AS s ON s.SHAPE_Type = w.SHAPE_Type
    JOIN padmaterial AS m ON m.MATERIA_Type = w.MATERIA_Type
    JOIN source AS src ON src.PRESSTURE = w.measured_with
    CROSS JOIN workpiece AS wp),
reading AS (
    SELECT SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE, stem,
           pmax / (1.0 + g * pmax / qmax) AS p,
           g * pmax / (1.0 + g * pmax / qmax) AS l
    FROM gap),
shown AS (
    SELECT SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE, stem,
           printf('%d', -CAST(round(p) AS INTEGER)) AS ptext,
           CASE WHEN l = 0 THEN '0'
                WHEN l < 1 THEN rtrim(rtrim(printf('%.2f', l), '0'), '.')
                WHEN l < 10 THEN rtrim(rtrim(printf('%.1f', l), '0'), '.')
                ELSE printf('%d', CAST(round(l) AS INTEGER)) END AS ltext
    FROM reading)
SELECT SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE,
    max(CASE stem WHEN 'STEEL' THEN ptext END), max(CASE stem WHEN 'STEEL' THEN ltext END),
    max(CASE stem WHEN 'S_WOOD' THEN ptext END), max(CASE stem WHEN 'S_WOOD' THEN ltext END),
    max(CASE stem WHEN 'C_WOOD' THEN ptext END), max(CASE stem WHEN 'C_WOOD' THEN ltext END),
    max(CASE stem WHEN 'S_CONCRETE' THEN ptext END),
    max(CASE stem WHEN 'S_CONCRETE' THEN ltext END),
    max(CASE stem WHEN 'C_CONCRETE' THEN ptext END),
    max(CASE stem WHEN 'C_CONCRETE' THEN ltext END),
    max(CASE stem WHEN 'CIRCUIT' THEN ptext END), max(CASE stem WHEN 'CIRCUIT' THEN ltext END),
    max(CASE stem WHEN 'ST_CARDBOARD' THEN ptext END),
    max(CASE stem WHEN 'ST_CARDBOARD' THEN ltext END),
    max(CASE stem WHEN 'T_CARDBOARD' THEN ptext END),
    max(CASE stem WHEN 'T_CARDBOARD' THEN ltext END),
    max(CASE stem WHEN 'CARDBOARD' THEN ptext END),
    max(CASE stem WHEN 'CARDBOARD' THEN ltext END),
    max(CASE stem WHEN 'NEWS' THEN ptext END), max(CASE stem WHEN 'NEWS' THEN ltext END),
    max(CASE stem WHEN 'COPY' THEN ptext END), max(CASE stem WHEN 'COPY' THEN ltext END),
    max(CASE stem WHEN 'VINYL' THEN ptext END), max(CASE stem WHEN 'VINYL' THEN ltext END),
    max(CASE stem WHEN 'S_STYROFOAM' THEN ptext END),
    max(CASE stem WHEN 'S_STYROFOAM' THEN ltext END),
    max(CASE stem WHEN 'C_STYROFOAM' THEN ptext END),
    max(CASE stem WHEN 'C_STYROFOAM' THEN ltext END),
    max(CASE stem WHEN 'CD' THEN ptext END), max(CASE stem WHEN 'CD' THEN ltext END),
    max(CASE stem WHEN 'S_MARBLE' THEN ptext END),
    max(CASE stem WHEN 'S_MARBLE' THEN ltext END),
    max(CASE stem WHEN 'C_MARBLE' THEN ptext END),
    max(CASE stem WHEN 'C_MARBLE' THEN ltext END)
FROM shown
GROUP BY SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE
ORDER BY SK_PAD, SHAPE_Type, MATERIA_Type, PRESSTURE DESC;

COMMIT;
