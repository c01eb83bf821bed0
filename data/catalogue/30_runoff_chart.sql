-- The Vosk Runoff Chart: chart discharge by drainage area, frequency factors
-- by return period, and the land-use and slope factor.
--
-- SAMPLE DATA. No public source holds the agency's runoff chart; these rows
-- are made up to be plausible and consistent so that the program gives
-- sensible numbers. Replace them with your agency's tables and rebuild.
--
-- Design discharge (ft^3/s) = Kfac x DA^Cfac (DA in acres, the band holding
-- DA) x LF (land use and slope) x FF (return period).

-- Chart bands: a row's DA is the lower bound of its band and the upper bound
-- of the band before it; the last row only closes the last band, and an area
-- on a boundary takes the lower band. The exponent falls as the area grows,
-- and each Kfac is K(i-1) x DA(i)^(C(i-1) - C(i)), so that the discharge is
-- continuous where two bands meet. At the base period (10 years, FF 1.0) and
-- LF 1.0 this gives 92 ft^3/s at 40 acres, 308 at 200 acres, 876 at 1,000
-- acres and 3,358 at 12,800 acres (20 square miles).
CREATE TABLE TblVRCChart (
    DA REAL NOT NULL UNIQUE CHECK (DA > 0),
    Kfac REAL NOT NULL CHECK (Kfac > 0),
    Cfac REAL NOT NULL
);

INSERT INTO TblVRCChart (DA, Kfac, Cfac) VALUES
    (1, 4, 0.85),
    (40, 5.784502198, 0.75),
    (200, 9.825824209, 0.65),
    (1000, 19.60509676, 0.55),
    (4000, 29.68055309, 0.50),
    (12800, 29.68055309, 0.50);

INSERT INTO StoredQueries VALUES ('TblVRCChartQuery',
    'SELECT DA, Kfac, Cfac FROM TblVRCChart ORDER BY DA');

-- Chart data by key: DALB and DAUB are the smallest and largest drainage
-- area (acres) the window accepts, the two ends of the chart.
CREATE TABLE TblVRCData (
    DataKey TEXT NOT NULL UNIQUE,
    Value1 REAL NOT NULL
);

INSERT INTO TblVRCData (DataKey, Value1)
    SELECT 'DALB', min(DA) FROM TblVRCChart
    UNION ALL
    SELECT 'DAUB', max(DA) FROM TblVRCChart;

INSERT INTO StoredQueries VALUES ('TblVRCDataQuery',
    'SELECT Value1 FROM TblVRCData WHERE DataKey = :Parm');

-- Frequency factors, 1.0 at the chart's base period of 10 years. The query's
-- order is the order of the results grid (at most 10 rows, the size of the
-- design discharge grid they are copied into).
CREATE TABLE TblVRCRPFF (
    ReturnPeriod INTEGER NOT NULL UNIQUE CHECK (ReturnPeriod > 0),
    FF REAL NOT NULL CHECK (FF > 0)
);

INSERT INTO TblVRCRPFF (ReturnPeriod, FF) VALUES
    (2, 0.55),
    (5, 0.80),
    (10, 1.00),
    (25, 1.25),
    (50, 1.45),
    (100, 1.65),
    (500, 2.15);

INSERT INTO StoredQueries VALUES ('TblVRCRPFFQuery',
    'SELECT ReturnPeriod, FF FROM TblVRCRPFF ORDER BY ReturnPeriod');

-- Land-use classes, numbered by ArrayNum (1 to the count, each once) in
-- rising order of runoff; the window lists them in that order.
CREATE TABLE TblVRCCover (
    ArrayNum INTEGER NOT NULL UNIQUE,
    Cover TEXT NOT NULL
);

INSERT INTO TblVRCCover (ArrayNum, Cover) VALUES
    (1, 'Forest'),
    (2, 'Pasture, meadow'),
    (3, 'Cultivated'),
    (4, 'Residential'),
    (5, 'Commercial, paved');

-- Slope classes, numbered by ArrayNum in rising order of slope.
CREATE TABLE TblVRCSlope (
    ArrayNum INTEGER NOT NULL UNIQUE,
    Slope TEXT NOT NULL
);

INSERT INTO TblVRCSlope (ArrayNum, Slope) VALUES
    (1, 'Flat (0 - 2%)'),
    (2, 'Rolling (2 - 6%)'),
    (3, 'Hilly (6 - 12%)'),
    (4, 'Steep (over 12%)');

-- The land-use and slope factor LF of every class pair, in (0, 1], rising
-- with slope and with the land use's runoff.
CREATE TABLE TblVRCLUSDFactors (
    CoverArrayNum INTEGER NOT NULL REFERENCES TblVRCCover (ArrayNum),
    SlopeArrayNum INTEGER NOT NULL REFERENCES TblVRCSlope (ArrayNum),
    LFFactor REAL NOT NULL CHECK (LFFactor > 0 AND LFFactor <= 1),
    UNIQUE (CoverArrayNum, SlopeArrayNum)
);

INSERT INTO TblVRCLUSDFactors (CoverArrayNum, SlopeArrayNum, LFFactor) VALUES
    (1, 1, 0.30), (1, 2, 0.40), (1, 3, 0.50), (1, 4, 0.60),
    (2, 1, 0.40), (2, 2, 0.50), (2, 3, 0.60), (2, 4, 0.70),
    (3, 1, 0.50), (3, 2, 0.60), (3, 3, 0.70), (3, 4, 0.80),
    (4, 1, 0.60), (4, 2, 0.70), (4, 3, 0.80), (4, 4, 0.90),
    (5, 1, 0.80), (5, 2, 0.85), (5, 3, 0.90), (5, 4, 1.00);
