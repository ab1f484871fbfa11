-- Suction pads. PAD_S is the pad area in mm^2: pi * d^2 / 4 for round pads and
-- pi * w * l / 4 for oval pads, rounded to 0.01. BUFFER 1 is the variant with a
-- spring buffer; its model name ends in "-B". IDs count up per series, pads
-- without buffer first, in order of size.
--
-- One pad (VPX-15, ID 901) belongs to a discontinued series that has no SERIES
-- row: it is never listed, but a stored selection can still name it by its ID.

BEGIN;

CREATE TEMP TABLE pad_sizes (
    series TEXT, base INTEGER, size TEXT, w REAL, l REAL, buffered INTEGER,
    asia INTEGER, europe INTEGER, southamerica INTEGER, northamerica INTEGER);

-- size: the size part of the model name; w and l in mm (l = w for round pads);
-- buffered: 1 when the size also comes with a buffer.
INSERT INTO pad_sizes VALUES
('VPF', 100, '2',   2,   2,   0, 1, 1, 1, 1),
('VPF', 100, '3.5', 3.5, 3.5, 0, 1, 1, 1, 1),
('VPF', 100, '4',   4,   4,   0, 1, 1, 1, 1),
('VPF', 100, '6',   6,   6,   1, 1, 1, 1, 1),
('VPF', 100, '8',   8,   8,   1, 1, 1, 1, 1),
('VPF', 100, '10',  10,  10,  1, 1, 1, 1, 1),
('VPF', 100, '13',  13,  13,  1, 1, 1, 1, 1),
('VPF', 100, '16',  16,  16,  1, 1, 1, 1, 1),
('VPF', 100, '20',  20,  20,  1, 1, 1, 1, 1),
('VPF', 100, '25',  25,  25,  1, 1, 1, 1, 1),
('VPF', 100, '32',  32,  32,  1, 1, 1, 1, 1),
('VPF', 100, '40',  40,  40,  1, 1, 1, 1, 1),
('VPF', 100, '50',  50,  50,  1, 1, 1, 1, 1),
('VPF', 100, '63',  63,  63,  1, 1, 1, 1, 1),
('VPF', 100, '80',  80,  80,  1, 1, 1, 1, 1),
('VPF', 100, '100', 100, 100, 1, 1, 1, 1, 1),
('VPF', 100, '125', 125, 125, 1, 1, 1, 0, 1),
('VPB', 200, '6',   6,   6,   1, 1, 1, 1, 1),
('VPB', 200, '8',   8,   8,   1, 1, 1, 1, 1),
('VPB', 200, '10',  10,  10,  1, 1, 1, 1, 1),
('VPB', 200, '13',  13,  13,  1, 1, 1, 1, 1),
('VPB', 200, '16',  16,  16,  1, 1, 1, 1, 1),
('VPB', 200, '20',  20,  20,  1, 1, 1, 1, 1),
('VPB', 200, '25',  25,  25,  1, 1, 1, 1, 1),
('VPB', 200, '32',  32,  32,  1, 1, 1, 1, 1),
('VPB', 200, '40',  40,  40,  1, 1, 1, 1, 1),
('VPB', 200, '50',  50,  50,  1, 1, 1, 1, 1),
('VPB', 200, '63',  63,  63,  1, 1, 1, 1, 1),
('VPB', 200, '80',  80,  80,  1, 1, 1, 0, 1),
('VPD', 300, '10',  10,  10,  1, 1, 1, 0, 1),
('VPD', 300, '13',  13,  13,  1, 1, 1, 0, 1),
('VPD', 300, '16',  16,  16,  1, 1, 1, 0, 1),
('VPD', 300, '20',  20,  20,  1, 1, 1, 0, 1),
('VPD', 300, '25',  25,  25,  1, 1, 1, 0, 1),
('VPD', 300, '32',  32,  32,  1, 1, 1, 0, 1),
('VPD', 300, '40',  40,  40,  1, 1, 1, 0, 1),
('VPD', 300, '50',  50,  50,  1, 1, 1, 0, 1),
('VPO', 400, '2x4',   2,   4,  0, 1, 1, 1, 0),
('VPO', 400, '3.5x7', 3.5, 7,  0, 1, 1, 1, 0),
('VPO', 400, '4x10',  4,   10, 1, 1, 1, 1, 0),
('VPO', 400, '6x10',  6,   10, 1, 1, 1, 1, 0),
('VPO', 400, '6x20',  6,   20, 1, 1, 1, 1, 0),
('VPO', 400, '8x20',  8,   20, 1, 1, 1, 1, 0),
('VPO', 400, '8x30',  8,   30, 1, 1, 1, 1, 0),
('VPO', 400, '10x30', 10,  30, 1, 1, 1, 1, 0),
('VPO', 400, '15x45', 15,  45, 1, 0, 1, 1, 0),
('VPS', 500, '10',  10,  10,  1, 1, 1, 1, 1),
('VPS', 500, '13',  13,  13,  1, 1, 1, 1, 1),
('VPS', 500, '16',  16,  16,  1, 1, 1, 1, 1),
('VPS', 500, '20',  20,  20,  1, 1, 1, 1, 1),
('VPS', 500, '25',  25,  25,  1, 1, 1, 1, 1),
('VPS', 500, '32',  32,  32,  1, 1, 1, 1, 1),
('VPS', 500, '40',  40,  40,  1, 1, 1, 1, 1),
('VPS', 500, '50',  50,  50,  1, 1, 1, 1, 1),
('VPS', 500, '63',  63,  63,  1, 1, 1, 1, 1);

WITH variants AS (
    SELECT p.*, 0 AS buffer FROM pad_sizes p
    UNION ALL
    SELECT p.*, 1 AS buffer FROM pad_sizes p WHERE buffered = 1
)
INSERT INTO M_PT (ID, SERIESID, M_NAME, PAD_S, BUFFER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA)
SELECT base + ROW_NUMBER() OVER (PARTITION BY series ORDER BY buffer, w * l),
       series,
       series || '-' || size || CASE buffer WHEN 1 THEN '-B' ELSE '' END,
       round(3.141592653589793 * w * l / 4, 2),
       buffer, asia, europe, southamerica, northamerica
FROM variants
ORDER BY series, buffer, w * l;

DROP TABLE pad_sizes;

INSERT INTO M_PT (ID, SERIESID, M_NAME, PAD_S, BUFFER,
                  ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(901, 'VPX', 'VPX-15', 176.71, 0, 1, 1, 1, 1);

COMMIT;
