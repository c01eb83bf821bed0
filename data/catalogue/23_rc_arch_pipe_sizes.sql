-- Standard reinforced concrete arch pipe sizes, in the order the windows list
-- them: single barrels from the smallest size up, then twins, then triples.
--
-- Span x rise (inside, inches): ASTM C506 / AASHTO M206 reinforced concrete
-- arch pipe, the 17 standard sizes. Bottom, top and corner radii (inches):
-- the public extract of the FHWA culvert shape database (concrete pipe-arch,
-- category 1), whose areas are computed from these radii.
-- The span and rise are the exact fractions of the standard sizes
-- (43-3/4 x 26-5/8, 51-1/8 x 31-5/16, 138 x 87-1/8, 154 x 96-7/8); the texts
-- are the same numbers, as the windows show them.
-- Every size closes as a three-radius section within 0.02 in of its rise
-- except 168.75 x 106.5, whose radii close 0.56 in low (a radius of that row
-- is slightly off in the source); it stays, kept as printed, since the
-- geometry accepts it and the difference is well under an inch.
-- Barrel counts offered (sample data, the agency's choice): every size with
-- one, two and three barrels.
-- VSHAPArchIDNum, the size's identifier in project files:
-- barrels x 100 + the size's number in the list below.

CREATE TABLE TblVSHAPipeArch (
    VSHAPArchIDNum INTEGER NOT NULL UNIQUE,
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
        ( 1, '18',     '11',      18,     11,      22.87,  4.03,  10.62),
        ( 2, '22',     '13.5',    22,     13.5,    27.5,   5.25,  13.75),
        ( 3, '26',     '15.5',    26,     15.5,    35.5,   5.25,  14.75),
        ( 4, '28.5',   '18',      28.5,   18,      40.68,  4.59,  14.56),
        ( 5, '36.25',  '22.5',    36.25,  22.5,    51,     6.03,  18.75),
        ( 6, '43.75',  '26.625',  43.75,  26.625,  62,     6.37,  22.5),
        ( 7, '51.125', '31.3125', 51.125, 31.3125, 73,     7.56,  26.25),
        ( 8, '58.5',   '36',      58.5,   36,      84,     8.75,  30),
        ( 9, '65',     '40',      65,     40,      92.5,   9.81,  33.37),
        (10, '73',     '45',      73,     45,      105,    11.22, 37.5),
        (11, '88',     '54',      88,     54,      126,    12.56, 45),
        (12, '102',    '62',      102,    62,      162.5,  13.97, 52),
        (13, '115',    '72',      115,    72,      183,    19.28, 59),
        (14, '122',    '77.25',   122,    77.25,   218,    20.06, 62),
        (15, '138',    '87.125',  138,    87.125,  269,    22.37, 70),
        (16, '154',    '96.875',  154,    96.875,  301.37, 24.13, 78),
        (17, '168.75', '106.5',   168.75, 106.5,   329,    26.87, 85.63)),
     Barrels (Count) AS (VALUES (1), (2), (3))
INSERT INTO TblVSHAPipeArch
       (VSHAPArchIDNum, SpanTxtIn, RiseTxtIn, SpanIn, RiseIn, BRIn, CRIn, TRIn, NumBarrels)
SELECT Count * 100 + SizeNo, SpanTxt, RiseTxt, Span, Rise, Bottom, Corner, Top, Count
  FROM Barrels CROSS JOIN Sizes
 ORDER BY Count, SizeNo;
