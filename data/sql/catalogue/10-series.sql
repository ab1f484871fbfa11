-- Product series of every kind. ID is the key of the series' name and note in the
-- language files; SERIESID joins the product tables. The region columns give the
-- series' position in the lists of that region (0 = not sold there); positions
-- count within one product kind and differ between regions on purpose.
-- SERIES_NAME and SERIES_Note hold the English source texts of the language entries.

BEGIN;

INSERT INTO SERIES (ID, SERIESID, SERIES_NAME, SERIES_Note, SERIES_PIC,
                    ASIA, EUROPE, SOUTHAMERICA, NORTHAMERICA) VALUES
-- Suction pads
(1, 'VPF', 'Flat pads',
 'Flat pads for flat, smooth workpieces such as sheet metal, glass or panels.
2 to 125 mm, with or without buffer.',
 'S_VPF', 1, 1, 1, 2),
(2, 'VPB', 'Bellows pads',
 'Pads with a bellows of one and a half folds: they follow curved or inclined
surfaces and set the workpiece down gently. 6 to 80 mm.',
 'S_VPB', 2, 3, 2, 1),
(3, 'VPD', 'Deep pads',
 'Deep pads for round or strongly curved workpieces such as tubes and bottles.
10 to 50 mm.',
 'S_VPD', 3, 5, 0, 3),
(4, 'VPO', 'Oval pads',
 'Oval pads for long, narrow workpieces such as profiles and printed circuit
boards. 2 x 4 to 15 x 45 mm.',
 'S_VPO', 4, 4, 4, 0),
(5, 'VPS', 'Soft pads',
 'Pads of soft silicone that leave no marks, for delicate workpieces such as
films, foodstuffs and electronic parts. 10 to 63 mm.',
 'S_VPS', 5, 2, 3, 4),
-- Tubing
(11, 'TUP', 'Polyurethane tubing',
 'Flexible tubing for short runs and moving axes. Inner diameters 1.8 to 8 mm.',
 'S_TUP', 1, 2, 1, 1),
(12, 'TUN', 'Nylon tubing',
 'Rigid tubing that keeps its inner volume under vacuum, for long runs.
Inner diameters 2.5 to 9 mm.',
 'S_TUN', 2, 1, 2, 2),
(13, 'TUS', 'Soft polyolefin tubing',
 'Very flexible tubing with a small bending radius, for tight spaces.
Inner diameters 2.5 to 6.5 mm.',
 'S_TUS', 3, 3, 3, 0),
-- Ejectors with built-in supply and release valves
(21, 'EVA', 'Compact ejectors with valves',
 'Single-stage ejectors with built-in supply and release valves.
Nozzles 0.5 to 1.2 mm, standard flow, 0.4 and 0.5 MPa.',
 'S_EVA', 1, 2, 1, 1),
(22, 'EVB', 'High-flow ejectors with valves',
 'Ejectors with built-in supply and release valves for large pads and porous
workpieces. Nozzles 1.0 to 2.0 mm, standard and large flow, 0.35 to 0.5 MPa.',
 'S_EVB', 2, 1, 2, 2),
-- Ejectors for circuits with separate valves
(23, 'EXA', 'Inline ejectors',
 'Ejectors without valves for circuits with separate supply, release or switching
valves. Nozzles 0.5 to 2.0 mm, every standard supply pressure.',
 'S_EXA', 3, 4, 3, 3),
(24, 'EXB', 'Manifold ejectors',
 'Ejectors for mounting side by side on a manifold, without valves.
Nozzles 0.7 to 1.5 mm at 0.45 MPa.',
 'S_EXB', 4, 3, 4, 0),
-- Vacuum units for vacuum pump circuits
(31, 'VUA', 'Vacuum units',
 'Suction and release valves in one block, placed between the vacuum pump and
the pads. Release by compressed air from 0.1 MPa.',
 'S_VUA', 1, 2, 1, 1),
(32, 'VUP', 'Pilot-operated vacuum units',
 'Vacuum units with pilot-operated main valves for high flow. The pilot valves
need a release supply pressure of at least 0.3 MPa.',
 'S_VUP', 2, 1, 0, 2),
-- Valves
(41, 'VSA', 'Compact 2-port valves',
 'Direct-acting 2-port solenoid valves for vacuum and compressed air.',
 'S_VSA', 1, 1, 1, 1),
(42, 'VSB', '3-port solenoid valves',
 'Pilot-operated 3-port solenoid valves for supply and release.',
 'S_VSB', 2, 3, 2, 2),
(43, 'VSC', 'Vacuum switching valves',
 '3-port valves that connect the pads either to the vacuum or to the release
line.',
 'S_VSC', 3, 2, 3, 3),
(44, 'VSD', 'Vacuum switching valves with release port',
 '3-port switching valves with a separate release port; their release time
is set by the release line.',
 'S_VSD', 4, 4, 0, 4),
(45, 'VSE', 'Large-bore 2-port valves',
 '2-port valves for large flows and long lines.',
 'S_VSE', 5, 5, 0, 5),
-- Release throttles
(51, 'SCA', 'Speed controllers',
 'Needle valves for the release line: they set how fast the workpiece is
released.',
 'S_SCA', 1, 1, 1, 1),
(52, 'SCB', 'Large speed controllers',
 'Needle valves with a large bore for the release lines of vacuum pump
circuits.',
 'S_SCB', 2, 2, 0, 2);

COMMIT;
