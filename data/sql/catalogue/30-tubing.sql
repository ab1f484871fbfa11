-- Tubing, named by series, outer and inner diameter in mm ("TUP-6x4").
-- DIAMETER_IN is the inner diameter that the tubing step and the calculation use.

BEGIN;

INSERT INTO M_Tube (ID, SERIESID, M_Name, DIAMETER_IN,
                    ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
(101, 'TUP', 'TUP-3x1.8',  1.8, 1, 1, 1, 1),
(102, 'TUP', 'TUP-4x2.5',  2.5, 1, 1, 1, 1),
(103, 'TUP', 'TUP-6x4',    4,   1, 1, 1, 1),
(104, 'TUP', 'TUP-8x5',    5,   1, 1, 1, 1),
(105, 'TUP', 'TUP-10x6.5', 6.5, 1, 1, 1, 1),
(106, 'TUP', 'TUP-12x8',   8,   1, 1, 0, 1),
(201, 'TUN', 'TUN-4x2.5',  2.5, 1, 0, 1, 1),
(202, 'TUN', 'TUN-6x4',    4,   1, 1, 1, 1),
(203, 'TUN', 'TUN-8x6',    6,   1, 1, 1, 1),
(204, 'TUN', 'TUN-10x7.5', 7.5, 1, 1, 1, 1),
(205, 'TUN', 'TUN-12x9',   9,   1, 1, 1, 1),
(301, 'TUS', 'TUS-4x2.5',  2.5, 1, 1, 1, 0),
(302, 'TUS', 'TUS-6x4',    4,   1, 1, 1, 0),
(303, 'TUS', 'TUS-8x5',    5,   1, 1, 1, 0),
(304, 'TUS', 'TUS-10x6.5', 6.5, 1, 1, 1, 0);

COMMIT;
