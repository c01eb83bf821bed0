-- Standard reinforced concrete box sizes, in the order the windows list them:
-- single cells by span and rise, then twin cells, then triple cells.
--
-- Spans x rises (inside, feet): the precast reinforced concrete box sections
-- of ASTM C1433, all 42 single-cell sizes of its standard table. The source's
-- first 9 ft row is misprinted 9 x 9; its metric column (2700 x 1500 mm)
-- shows it is 9 x 5.
-- Barrel counts offered (sample data, the agency's choice): every size with
-- one, two and three cells.
-- IDNum, the size's identifier in project files:
-- barrels x 10000 + span x 100 + rise.

CREATE TABLE VSHAStandardRCBoxSizes (
    IDNum INTEGER NOT NULL UNIQUE,
    Widthft REAL NOT NULL CHECK (Widthft > 0),
    Heightft REAL NOT NULL CHECK (Heightft > 0),
    NumberOfBarrels INTEGER NOT NULL CHECK (NumberOfBarrels >= 1)
);

WITH Boxes (Span, Rise) AS (VALUES
        (3, 2), (3, 3),
        (4, 2), (4, 3), (4, 4),
        (5, 3), (5, 4), (5, 5),
        (6, 3), (6, 4), (6, 5), (6, 6),
        (7, 4), (7, 5), (7, 6), (7, 7),
        (8, 4), (8, 5), (8, 6), (8, 7), (8, 8),
        (9, 5), (9, 6), (9, 7), (9, 8), (9, 9),
        (10, 5), (10, 6), (10, 7), (10, 8), (10, 9), (10, 10),
        (11, 4), (11, 6), (11, 8), (11, 10), (11, 11),
        (12, 4), (12, 6), (12, 8), (12, 10), (12, 12)),
     Barrels (Count) AS (VALUES (1), (2), (3))
INSERT INTO VSHAStandardRCBoxSizes (IDNum, Widthft, Heightft, NumberOfBarrels)
SELECT Count * 10000 + Span * 100 + Rise, Span, Rise, Count
  FROM Barrels CROSS JOIN Boxes
 ORDER BY Count, Span, Rise;
