-- The inlets of each culvert type, in the order offered, with their
-- inlet-control constants and entrance loss coefficient.
--
-- UnSubEqNum, K, M, c, Y, MiteredFlag: FHWA HDS-5 "Hydraulic Design of
--   Highway Culverts" (FHWA-NHI-01-020, 2001), Appendix A, Table 9 "Constants
--   for Inlet Control Design Equations", copied as printed. UnSubEqNum is the
--   table's equation form (1 or 2), MiteredFlag 1 marks its "mitered to
--   slope" rows. HDS5Chart-Scale gives the chart and scale of each row; the
--   source prints no scale for the second slope-tapered box row (chart 59).
-- Ke: HDS-5 (2001), Appendix D, Table 12 "Entrance Loss Coefficients"
--   (cross-checked against the 3rd edition, FHWA-HIF-12-026, Table C.2).
--   Where an inlet of Table 9 has no row of its own in Table 12, Ke is that
--   of the nearest edge form, as noted at the inlet.
-- InletID is the inlet's identifier in project files: the type's IDNum times
--   100 plus the inlet's number; keep it when rows are reordered.
--
-- Table 9 rows that stay out, since no culvert type here has that barrel:
--   charts 16-19 (corrugated metal boxes), 29 and 30 (elliptical pipe; chart
--   29 serves the concrete arch pipe, see below), 35 and 36 (structural plate
--   pipe-arch, larger than the 2-2/3 x 1/2 in pipe-arch sizes offered), 41-43
--   (corrugated metal arch) and 56 (tapered inlets with an elliptical face).
--   Box chart 57-59 rows are the face-control constants of tapered inlets.

CREATE TABLE TblGenCulvertInlets (
    InletID INTEGER NOT NULL UNIQUE,
    CulvertType INTEGER NOT NULL REFERENCES TblGenDesignCulvertTypes (IDNum),
    Description TEXT NOT NULL,
    UnSubEqNum INTEGER NOT NULL CHECK (UnSubEqNum IN (1, 2)),
    K REAL NOT NULL,
    M REAL NOT NULL,
    c REAL NOT NULL,
    Y REAL NOT NULL,
    MiteredFlag INTEGER NOT NULL CHECK (MiteredFlag IN (0, 1)),
    Ke REAL NOT NULL CHECK (Ke > 0),
    [HDS5Chart-Scale] TEXT NOT NULL
);

-- 1 Reinforced concrete pipe: charts 1, 3 and 55 (smooth throat).
-- Ke: square edge with headwall 0.5; groove end, with headwall or
-- projecting, 0.2; beveled edges 0.2; side- or slope-tapered inlet 0.2.
INSERT INTO TblGenCulvertInlets VALUES
    (101, 1, 'Square edge with headwall',           1, .0098, 2.0,  .0398, .67, 0, 0.5, 'Chart 1, Scale 1'),
    (102, 1, 'Groove end with headwall',            1, .0018, 2.0,  .0292, .74, 0, 0.2, 'Chart 1, Scale 2'),
    (103, 1, 'Groove end projecting',               1, .0045, 2.0,  .0317, .69, 0, 0.2, 'Chart 1, Scale 3'),
    (104, 1, 'Beveled ring, 45 deg bevels',         1, .0018, 2.50, .0300, .74, 0, 0.2, 'Chart 3, Scale A'),
    (105, 1, 'Beveled ring, 33.7 deg bevels',       1, .0018, 2.50, .0243, .83, 0, 0.2, 'Chart 3, Scale B'),
    (106, 1, 'Tapered inlet, smooth throat',        2, .534,  .555, .0196, .90, 0, 0.2, 'Chart 55, Scale 1');

-- 2 Corrugated metal pipe: charts 2, 3 and 55 (rough throat).
-- Ke: headwall 0.5; mitered to the fill slope 0.7; projecting 0.9; beveled
-- edges 0.2; side- or slope-tapered inlet 0.2.
INSERT INTO TblGenCulvertInlets VALUES
    (201, 2, 'Headwall',                            1, .0078, 2.0,  .0379, .69, 0, 0.5, 'Chart 2, Scale 1'),
    (202, 2, 'Mitered to conform to slope',         1, .0210, 1.33, .0463, .75, 1, 0.7, 'Chart 2, Scale 2'),
    (203, 2, 'Projecting',                          1, .0340, 1.50, .0553, .54, 0, 0.9, 'Chart 2, Scale 3'),
    (204, 2, 'Beveled ring, 45 deg bevels',         1, .0018, 2.50, .0300, .74, 0, 0.2, 'Chart 3, Scale A'),
    (205, 2, 'Beveled ring, 33.7 deg bevels',       1, .0018, 2.50, .0243, .83, 0, 0.2, 'Chart 3, Scale B'),
    (206, 2, 'Tapered inlet, rough throat',         2, .519,  .64,  .0210, .90, 0, 0.2, 'Chart 55, Scale 2');

-- 3 Reinforced concrete box: charts 8 to 13 and 57 to 59.
-- Ke: wingwalls 30-75 deg square-edged at the crown 0.4 (chart 8 scale 1 and
-- the 45 deg flares of chart 12, whose 3/4 in chamfers count as square
-- edges); a 90 deg headwall or wingwalls 10-25 deg, square-edged, 0.5
-- (chart 8 scale 2, the chamfered headwalls of charts 10 and 11, the 18.4 deg
-- flares of chart 12); wingwalls parallel to the sides 0.7 (chart 8 scale 3);
-- a beveled crown edge 0.2 (charts 9 and 13, the beveled headwalls of charts
-- 10 and 11; Table 12 gives the beveled crown for 30-75 deg flares, and the
-- smaller flares of charts 9 and 13 take the same value); side- or
-- slope-tapered inlet 0.2 (charts 57 to 59).
INSERT INTO TblGenCulvertInlets VALUES
    (301, 3, '30 to 75 deg wingwall flares, square edge',          1, .026, 1.0,  .0347,  .81,  0, 0.4, 'Chart 8, Scale 1'),
    (302, 3, '90 and 15 deg wingwall flares, square edge',         1, .061, .75,  .0400,  .80,  0, 0.5, 'Chart 8, Scale 2'),
    (303, 3, '0 deg wingwall flares (extension of sides)',         1, .061, .75,  .0423,  .82,  0, 0.7, 'Chart 8, Scale 3'),
    (304, 3, '45 deg wingwall flare, top bevel d = .043D',         2, .510, .667, .0309,  .80,  0, 0.2, 'Chart 9, Scale 1'),
    (305, 3, '18 to 33.7 deg wingwall flare, top bevel d = .083D', 2, .486, .667, .0249,  .83,  0, 0.2, 'Chart 9, Scale 2'),
    (306, 3, '90 deg headwall, 3/4 in chamfers',                   2, .515, .667, .0375,  .79,  0, 0.5, 'Chart 10, Scale 1'),
    (307, 3, '90 deg headwall, 45 deg bevels',                     2, .495, .667, .0314,  .82,  0, 0.2, 'Chart 10, Scale 2'),
    (308, 3, '90 deg headwall, 33.7 deg bevels',                   2, .486, .667, .0252,  .865, 0, 0.2, 'Chart 10, Scale 3'),
    (309, 3, '45 deg skewed headwall, 3/4 in chamfers',            2, .545, .667, .04505, .73,  0, 0.5, 'Chart 11, Scale 1'),
    (310, 3, '30 deg skewed headwall, 3/4 in chamfers',            2, .533, .667, .0425,  .705, 0, 0.5, 'Chart 11, Scale 2'),
    (311, 3, '15 deg skewed headwall, 3/4 in chamfers',            2, .522, .667, .0402,  .68,  0, 0.5, 'Chart 11, Scale 3'),
    (312, 3, '10 to 45 deg skewed headwall, 45 deg bevels',        2, .498, .667, .0327,  .75,  0, 0.2, 'Chart 11, Scale 4'),
    (313, 3, '45 deg non-offset wingwall flares, 3/4 in chamfers', 2, .497, .667, .0339,  .803, 0, 0.4, 'Chart 12, Scale 1'),
    (314, 3, '18.4 deg non-offset wingwall flares, 3/4 in chamfers', 2, .493, .667, .0361, .806, 0, 0.5, 'Chart 12, Scale 2'),
    (315, 3, '18.4 deg non-offset flares, 3/4 in chamfers, 30 deg skewed barrel',
                                                                   2, .495, .667, .0386,  .71,  0, 0.5, 'Chart 12, Scale 3'),
    (316, 3, '45 deg offset wingwall flares, top bevels',          2, .497, .667, .0302,  .835, 0, 0.2, 'Chart 13, Scale 1'),
    (317, 3, '33.7 deg offset wingwall flares, top bevels',        2, .495, .667, .0252,  .881, 0, 0.2, 'Chart 13, Scale 2'),
    (318, 3, '18.4 deg offset wingwall flares, top bevels',        2, .493, .667, .0227,  .887, 0, 0.2, 'Chart 13, Scale 3'),
    (319, 3, 'Tapered inlet throat',                               2, .475, .667, .0179,  .97,  0, 0.2, 'Chart 57, Scale 1'),
    (320, 3, 'Side tapered, less favorable edges',                 2, .56,  .667, .0446,  .85,  0, 0.2, 'Chart 58, Scale 1'),
    (321, 3, 'Side tapered, more favorable edges',                 2, .56,  .667, .0378,  .87,  0, 0.2, 'Chart 58, Scale 2'),
    (322, 3, 'Slope tapered, less favorable edges',                2, .50,  .667, .0446,  .65,  0, 0.2, 'Chart 59, Scale 1'),
    (323, 3, 'Slope tapered, more favorable edges',                2, .50,  .667, .0378,  .71,  0, 0.2, 'Chart 59');

-- 4 Reinforced concrete arch pipe: Table 9 has no concrete pipe-arch rows. The
-- arch pipe takes those of the horizontal elliptical concrete pipe (chart
-- 29), the concrete barrel nearest to it in shape (wide and low) and with the
-- same end forms. Ke as for concrete pipe.
INSERT INTO TblGenCulvertInlets VALUES
    (401, 4, 'Square edge with headwall',           1, .0100, 2.0,  .0398, .67, 0, 0.5, 'Chart 29, Scale 1'),
    (402, 4, 'Groove end with headwall',            1, .0018, 2.5,  .0292, .74, 0, 0.2, 'Chart 29, Scale 2'),
    (403, 4, 'Groove end projecting',               1, .0045, 2.0,  .0317, .69, 0, 0.2, 'Chart 29, Scale 3');

-- 5 Corrugated steel pipe-arch: chart 34, the corrugated metal pipe-arch that
-- is not structural plate; its constants serve the smaller corner radii of
-- the sizes offered (3.5 to 15.1 in) as well, as is usual practice.
-- Ke as for corrugated metal pipe: headwall 0.5, mitered 0.7, projecting 0.9.
INSERT INTO TblGenCulvertInlets VALUES
    (501, 5, '90 deg headwall',                     1, .0083, 2.0,  .0379, .69, 0, 0.5, 'Chart 34, Scale 1'),
    (502, 5, 'Mitered to conform to slope',         1, .0300, 1.0,  .0463, .75, 1, 0.7, 'Chart 34, Scale 2'),
    (503, 5, 'Projecting',                          1, .0340, 1.5,  .0496, .57, 0, 0.9, 'Chart 34, Scale 3');

INSERT INTO StoredQueries VALUES ('TblGenCulvertInletsQuery',
    'SELECT InletID, Description, UnSubEqNum, K, M, c, Y, MiteredFlag, Ke, [HDS5Chart-Scale]
       FROM TblGenCulvertInlets
      WHERE CulvertType = :CulvertType
      ORDER BY rowid');
