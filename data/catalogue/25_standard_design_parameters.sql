-- Design parameters keyed by name (Parm) with up to five values. The standard
-- barrel families keep their inlet-control constants here:
--   Value1 K, Value2 M, Value3 c, Value4 Y, Value5 the equation form.
-- Each family's set is copied from the inlet row (11_culvert_inlets.sql) of
-- the inlet its standard designs are built with; which inlet that is, is the
-- agency's choice (sample data):
--   RCPInletParameters  concrete pipe, groove end with headwall (102)
--   RCBInletParameters  concrete box, 30 to 75 deg wingwall flares (301)
--   CMPInletParameters  corrugated metal pipe, headwall (201)
--   PACInletParameters  concrete arch pipe, groove end with headwall (402)
--   SPAInletParameters  steel pipe-arch, 90 deg headwall (501)
-- None of them is mitered: the standard designs are computed unmitered.

CREATE TABLE TblVKStandardDesignParameters (
    Parm TEXT NOT NULL,
    Value1 REAL,
    Value2 REAL,
    Value3 REAL,
    Value4 REAL,
    Value5 REAL,
    SourceInletID INTEGER REFERENCES TblGenCulvertInlets (InletID)
);

WITH Family (Position, Parm, Inlet) AS (VALUES
        (1, 'RCPInletParameters', 102),
        (2, 'RCBInletParameters', 301),
        (3, 'CMPInletParameters', 201),
        (4, 'PACInletParameters', 402),
        (5, 'SPAInletParameters', 501))
INSERT INTO TblVKStandardDesignParameters
       (Parm, Value1, Value2, Value3, Value4, Value5, SourceInletID)
SELECT Family.Parm, K, M, c, Y, UnSubEqNum, InletID
  FROM Family JOIN TblGenCulvertInlets ON InletID = Family.Inlet
 ORDER BY Family.Position;

INSERT INTO StoredQueries VALUES ('TblVKStandardDesignParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5
       FROM TblVKStandardDesignParameters
      WHERE Parm = :Parm
      ORDER BY rowid');
