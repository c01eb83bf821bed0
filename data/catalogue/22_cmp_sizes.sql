-- Standard corrugated metal pipe sizes, in the order the windows list them:
-- single barrels from the smallest diameter up, then twins, then triples.
--
-- Diameters (nominal, inches): AASHTO M36 / ASTM A760 corrugated steel pipe,
-- 12 to 84 in with 2-2/3 x 1/2 in corrugations and 36 to 144 in with 3 x 1 in
-- and 5 x 1 in corrugations (FHWA HDS-5, 2001, Table 10 lists the same
-- corrugation families): 12, 15, 18, 21 and 24 in, then 6 in steps to 144 in.
-- Larger round pipe (structural plate) is not offered.
-- Barrel counts offered (sample data, the agency's choice): every diameter as
-- a single barrel, 24 in and larger also as twin and triple barrels.
-- IDNum, the size's identifier in project files: barrels x 1000 + diameter.

CREATE TABLE VSHAStandardCorrMetalPipeSizes (
    IDNum INTEGER NOT NULL UNIQUE,
    PipeSizeInches REAL NOT NULL CHECK (PipeSizeInches > 0),
    NumberofBarrels INTEGER NOT NULL CHECK (NumberofBarrels >= 1)
);

WITH Diameters (Inches) AS (VALUES
        (12), (15), (18), (21), (24), (30), (36), (42), (48), (54), (60), (66), (72),
        (78), (84), (90), (96), (102), (108), (114), (120), (126), (132), (138), (144)),
     Barrels (Count, SmallestInches) AS (VALUES (1, 12), (2, 24), (3, 24))
INSERT INTO VSHAStandardCorrMetalPipeSizes (IDNum, PipeSizeInches, NumberofBarrels)
SELECT Count * 1000 + Inches, Inches, Count
  FROM Barrels JOIN Diameters ON Inches >= SmallestInches
 ORDER BY Count, Inches;
