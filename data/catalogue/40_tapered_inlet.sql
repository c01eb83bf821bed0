-- The tapered inlet design search: its design parameters, the trial drops
-- and lengths of the tapered section, and the barrels it offers behind a
-- standard box face.

-- Design parameters keyed by name (Parm), up to five values each. The drop
-- inlet keeps its own parameters in a table of its own.
--
-- SAMPLE DATA, the agency's choices (no public source fixes them):
--   ManningN         0.012  concrete, for the face and barrel friction slopes
--   BarrelDepthFrac  0.9    depth limit = 0.9 x barrel rise
--   CritDepthFrac    0.9    design depth = 0.9 x barrel critical depth
--   TwinLFactor      2      twin minimum L = (face span - barrel span) x 2
--   MaxNumBarrels    2      at most 2: the (Z, L) pairs below stop at twin
--                           barrels, and a larger value admits no more faces
-- RCBICCoeffs, the inlet-control constants of the box face (Value1 K, Value2
-- M, Value3 c, Value4 Y, Value5 the equation form), are copied from the
-- inlet row of 11_culvert_inlets.sql named by SourceInletID: HDS-5 chart 59,
-- slope tapered inlet, more favorable edges (323). Which tapered face the
-- agency designs with is its choice (sample data); the constants are public.

CREATE TABLE TblTaperInletParameters (
    Parm TEXT NOT NULL,
    Value1 REAL,
    Value2 REAL,
    Value3 REAL,
    Value4 REAL,
    Value5 REAL,
    SourceInletID INTEGER REFERENCES TblGenCulvertInlets (InletID)
);

INSERT INTO TblTaperInletParameters (Parm, Value1) VALUES
    ('ManningN', 0.012),
    ('BarrelDepthFrac', 0.9),
    ('CritDepthFrac', 0.9),
    ('TwinLFactor', 2),
    ('MaxNumBarrels', 2);

INSERT INTO TblTaperInletParameters
       (Parm, Value1, Value2, Value3, Value4, Value5, SourceInletID)
SELECT 'RCBICCoeffs', K, M, c, Y, UnSubEqNum, InletID
  FROM TblGenCulvertInlets
 WHERE InletID = 323;

INSERT INTO StoredQueries VALUES ('TblTaperInletParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5
       FROM TblTaperInletParameters
      WHERE Parm = :Parm
      ORDER BY rowid');

-- Trial drops Z and lengths L of the tapered section (whole feet), for one
-- and for two barrels, in order of preference: the search reports the first
-- pair that passes, so the smallest drop comes first.
--
-- SAMPLE DATA: a fall no steeper than 2 horizontal to 1 vertical plus 4 ft
-- of throat for a single barrel (L = 2 Z + 4), 2 ft more for twin barrels,
-- whose length the search also raises to the side taper the face needs.

CREATE TABLE TblTaperedInletZL (
    NumBarrels INTEGER NOT NULL CHECK (NumBarrels IN (1, 2)),
    ZValueFt REAL NOT NULL CHECK (ZValueFt > 0),
    LValueFt REAL NOT NULL CHECK (LValueFt > 0)
);

WITH Drops (Z) AS (VALUES (1), (2), (3), (4), (5), (6), (7), (8), (9), (10))
INSERT INTO TblTaperedInletZL (NumBarrels, ZValueFt, LValueFt)
SELECT 1, Z, 2 * Z + 4 FROM Drops ORDER BY Z;

WITH Drops (Z) AS (VALUES (1), (2), (3), (4), (5), (6), (7), (8), (9), (10))
INSERT INTO TblTaperedInletZL (NumBarrels, ZValueFt, LValueFt)
SELECT 2, Z, 2 * Z + 6 FROM Drops ORDER BY Z;

INSERT INTO StoredQueries VALUES ('TblTaperedInletZLQuery',
    'SELECT ZValueFt, LValueFt
       FROM TblTaperedInletZL
      WHERE NumBarrels = :NumBarrels
      ORDER BY rowid');

-- The barrels behind a face of span :Width and rise :Height (texts of feet,
-- compared as numbers) with :nBarrels cells: the standard boxes of the same
-- rise and cell count, narrower than the face and at least :LWidth (feet)
-- wide, in catalogue order.
INSERT INTO StoredQueries VALUES ('TaperedInletBarrelQuery',
    'SELECT Widthft, Heightft, NumberOfBarrels
       FROM VSHAStandardRCBoxSizes
      WHERE Heightft = CAST(:Height AS REAL)
        AND NumberOfBarrels = :nBarrels
        AND Widthft < CAST(:Width AS REAL)
        AND Widthft >= :LWidth
      ORDER BY rowid');
