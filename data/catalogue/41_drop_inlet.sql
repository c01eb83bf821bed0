-- The drop inlet design constants, keyed by name (Parm) with up to five
-- values, read by DropInletParametersQuery at start-up (first row of a key).
--
-- SAMPLE DATA: the agency's own choices, for an agency to replace with its
-- own. The figures are ordinary textbook values, consistent with the rest of
-- the catalogue:
--   WeirCoefficient 3.0 and WeirHPowCoeff 1.5: a sharp-crested rectangular
--     weir, Q = 3.0 L H^1.5 (ft, ft^3/s);
--   ManningNReinforcedConcrete 0.012: concrete pipe and box, good joints;
--   EntranceLossCoefficient 0.5, BendLossCoefficient 0.5 (the turn from the
--     inlet box into the barrel), ExitLossCoefficient 1.0;
--   NumRCBBarrels 3: single, twin and triple boxes are searched;
--   NumRCPBarrels 1: single pipes only;
--   LHWBarrelFraction 1.2: the headwater must stand at least 1.2 barrel rises
--     above the inlet invert, so that the barrel entrance is submerged;
--   WeirCalcDefaultOption 2: the weir table starts with the headwater
--     calculation (width and length given).
-- The inlet-control sets (Value1 K, Value2 M, Value3 c, Value4 Y, Value5 the
-- form) are copied from the inlets of 11_culvert_inlets.sql whose entrances a
-- drop inlet's barrels have; they are the drop inlet's own, apart from those
-- of the standard designs and the tapered inlet:
--   RCBICCoeffs  concrete box, 0 deg wingwall flares (303)
--   RCPICCoeffs  concrete pipe, square edge with headwall (101)

CREATE TABLE TblDropInletParameters (
    Parm TEXT NOT NULL,
    Value1 REAL,
    Value2 REAL,
    Value3 REAL,
    Value4 REAL,
    Value5 REAL,
    SourceInletID INTEGER REFERENCES TblGenCulvertInlets (InletID)
);

INSERT INTO TblDropInletParameters (Parm, Value1) VALUES
    ('WeirCoefficient', 3.0),
    ('WeirHPowCoeff', 1.5),
    ('ManningNReinforcedConcrete', 0.012),
    ('EntranceLossCoefficient', 0.5),
    ('BendLossCoefficient', 0.5),
    ('ExitLossCoefficient', 1.0),
    ('NumRCBBarrels', 3),
    ('NumRCPBarrels', 1),
    ('LHWBarrelFraction', 1.2),
    ('WeirCalcDefaultOption', 2);

WITH InletSet (Position, Parm, Inlet) AS (VALUES
        (1, 'RCBICCoeffs', 303),
        (2, 'RCPICCoeffs', 101))
INSERT INTO TblDropInletParameters
       (Parm, Value1, Value2, Value3, Value4, Value5, SourceInletID)
SELECT InletSet.Parm, K, M, c, Y, UnSubEqNum, InletID
  FROM InletSet JOIN TblGenCulvertInlets ON InletID = InletSet.Inlet
 ORDER BY InletSet.Position;

INSERT INTO StoredQueries VALUES ('DropInletParametersQuery',
    'SELECT Value1, Value2, Value3, Value4, Value5
       FROM TblDropInletParameters
      WHERE Parm = :Parm
      ORDER BY rowid');
