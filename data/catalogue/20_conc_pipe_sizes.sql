-- Standard reinforced concrete pipe sizes, in the order the windows list
-- them: single barrels from the smallest diameter up, then twins, then
-- triples.
--
-- Diameters (inside, inches): ASTM C76 / AASHTO M170 reinforced concrete
-- culvert pipe. 12 to 108 in are the tabulated sizes; 114 to 144 in follow
-- the standard's 6 in step above 48 in, up to the 144 in its design tables
-- reach.
-- Barrel counts offered (sample data, the agency's choice): every diameter as
-- a single barrel, 24 in and larger also as twin and triple barrels.
-- IDNum, the size's identifier in project files: barrels x 1000 + diameter.

CREATE TABLE VSHAStandardConcPipeSizes (
    IDNum INTEGER NOT NULL UNIQUE,
    PipeSizeInches REAL NOT NULL CHECK (PipeSizeInches > 0),
    NumberofBarrels INTEGER NOT NULL CHECK (NumberofBarrels >= 1)
);

WITH Diameters (Inches) AS (VALUES
        (12), (15), (18), (21), (24), (27), (30), (33), (36), (42), (48), (54), (60), (66),
        (72), (78), (84), (90), (96), (102), (108), (114), (120), (126), (132), (138), (144)),
     Barrels (Count, SmallestInches) AS (VALUES (1, 12), (2, 24), (3, 24))
INSERT INTO VSHAStandardConcPipeSizes (IDNum, PipeSizeInches, NumberofBarrels)
SELECT Count * 1000 + Inches, Inches, Count
  FROM Barrels JOIN Diameters ON Inches >= SmallestInches
 ORDER BY Count, Inches;
