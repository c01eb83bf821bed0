-- Standard corrugated steel pipe-arch sizes (2-2/3 x 1/2 in corrugations), in
-- the order the windows list them: single barrels from the smallest size up,
-- then twins, then triples.
--
-- Span x rise (inside, inches): the AASHTO M36 / AISI pipe-arch series with
-- 2-2/3 x 1/2 in corrugations, 17 x 13 to 83 x 57 in. Bottom, top and corner
-- radii (inches): the public extract of the FHWA culvert shape database
-- (steel or aluminum pipe-arch, category 1).
-- The radii of this series close the three-radius section only to within
-- about 1 to 2 in of the listed rise: the check is ill-conditioned, since the
-- top radius less the corner radius is nearly half the span less the corner
-- radius, and the listed spans and rises are rounded. The rows kept close
-- within 1.7 in; the listed span and rise stay as they are, for the labels
-- and the hydraulics alike. Two sizes of the series stay out:
--   24 x 18 (size 3): its radii cannot close at a 24 in span (twice the top
--     radius is 23.75 in), so the geometry cannot form the section;
--   83 x 57 (size 12): its radii close 3.8 in below the listed rise (a radius
--     of that row is off in the source; the corner radius breaks the series'
--     1.375 in step, and correcting it does not close the section either).
-- Barrel counts offered (sample data, the agency's choice): every size with
-- one, two and three barrels.
-- IDSteelPipeArch, the size's identifier in project files:
-- barrels x 100 + the size's number in the series (numbers 3 and 12 unused).

CREATE TABLE TblVSHASteelPipeArch (
    IDSteelPipeArch INTEGER NOT NULL UNIQUE,
    SpanTxtIn TEXT NOT NULL,
    RiseTxtIn TEXT NOT NULL,
    SpanIn REAL NOT NULL,
    RiseIn REAL NOT NULL,
    BRIn REAL NOT NULL,
    CRIn REAL NOT NULL,
    TRIn REAL NOT NULL,
    NumBarrels INTEGER NOT NULL CHECK (NumBarrels >= 1)
);

WITH Sizes (SizeNo, SpanTxt, RiseTxt, Span, Rise, Bottom, Corner, Top) AS (VALUES
        ( 1, '17', '13', 17, 13, 25.625, 3.5,    8.625),
        ( 2, '21', '15', 21, 15, 33.125, 4.13,   10.75),
        ( 4, '28', '20', 28, 20, 42.25,  5.5,    14),
        ( 5, '35', '24', 35, 24, 55.125, 6.875,  17.875),
        ( 6, '42', '29', 42, 29, 66.125, 8.25,   21.5),
        ( 7, '49', '33', 49, 33, 77.25,  9.625,  25.125),
        ( 8, '57', '38', 57, 38, 88.25,  11,     28.625),
        ( 9, '64', '43', 64, 43, 99.25,  12.375, 32.25),
        (10, '71', '47', 71, 47, 110.25, 13.75,  35.75),
        (11, '77', '52', 77, 52, 121.25, 15.125, 39.375)),
     Barrels (Count) AS (VALUES (1), (2), (3))
INSERT INTO TblVSHASteelPipeArch
       (IDSteelPipeArch, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn, CRIn, TRIn, NumBarrels)
SELECT Count * 100 + SizeNo, SpanTxt, RiseTxt, Span, Rise, Bottom, Corner, Top, Count
  FROM Barrels CROSS JOIN Sizes
 ORDER BY Count, SizeNo;
