-- The USGS 2001 regional flood-frequency regression: its return periods and
-- the regression equations of the three hydrologic regions.
--
-- SAMPLE DATA. The agency's regional coefficients are not public; these rows
-- are made up to be plausible and consistent so that the program gives
-- sensible numbers. Replace them with your agency's tables and rebuild.

-- Return periods in years; ArrayNum (1 to the count, each once) is the row
-- of the results grid. At most 10, the size of the design discharge grid
-- they are copied into.
CREATE TABLE TblUSGSRPs (
    ReturnPeriod INTEGER NOT NULL UNIQUE CHECK (ReturnPeriod > 0),
    ArrayNum INTEGER NOT NULL UNIQUE
);

INSERT INTO TblUSGSRPs (ReturnPeriod, ArrayNum) VALUES
    (2, 1), (5, 2), (10, 3), (25, 4), (50, 5), (100, 6), (200, 7), (500, 8);

-- Q = K1 DA^CDA MCS^CMCS (ORLFraction + 1)^CORL, with DA the whole
-- watershed's area (square miles), MCS the main channel slope (ft/mi) and
-- ORLFraction the share of the watershed in the Orlen Lobe; a coefficient of
-- magnitude below 1E-05 leaves its term out. Equation 1 of every region uses
-- the area alone; equation 2 of region 3 adds the slope, equation 2 of
-- region 2 the slope and the Orlen Lobe term (the flat lobe lowers peaks).
-- EYR, the equivalent years of record, is kept with each row.
--
-- Every return period has equation 1 of regions 1 to 3 and equation 2 of
-- regions 2 and 3. Each equation keeps its exponents over all return
-- periods and K1 grows with the return period, so that the discharge rises
-- with the return period for any area, slope and lobe share.
CREATE TABLE TblUSGSEq (
    Region INTEGER NOT NULL CHECK (Region BETWEEN 1 AND 3),
    EqNum INTEGER NOT NULL CHECK (EqNum IN (1, 2)),
    ReturnPeriod INTEGER NOT NULL REFERENCES TblUSGSRPs (ReturnPeriod),
    K1 REAL NOT NULL CHECK (K1 > 0),
    CDA REAL NOT NULL,
    CMCS REAL NOT NULL,
    CORL REAL NOT NULL,
    EYR REAL NOT NULL,
    UNIQUE (Region, EqNum, ReturnPeriod)
);

-- K2 is the 2-year K1; Growth multiplies it for each return period.
WITH Equation (Region, EqNum, K2, CDA, CMCS, CORL) AS (VALUES
        (1, 1, 55, 0.72, 0, 0),
        (2, 1, 80, 0.70, 0, 0),
        (2, 2, 40, 0.68, 0.25, -1.2),
        (3, 1, 110, 0.68, 0, 0),
        (3, 2, 45, 0.70, 0.30, 0)),
     Growth (ReturnPeriod, Factor, EYR) AS (VALUES
        (2, 1.00, 2.6), (5, 1.55, 3.8), (10, 1.95, 5.0), (25, 2.50, 6.4),
        (50, 2.95, 7.3), (100, 3.40, 8.0), (200, 3.90, 8.6), (500, 4.60, 9.2))
INSERT INTO TblUSGSEq (Region, EqNum, ReturnPeriod, K1, CDA, CMCS, CORL, EYR)
SELECT Region, EqNum, ReturnPeriod, round(K2 * Factor, 1), CDA, CMCS, CORL, EYR
  FROM Equation CROSS JOIN Growth
 ORDER BY Region, EqNum, ReturnPeriod;
