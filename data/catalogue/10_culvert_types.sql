-- Culvert types offered by the design windows, in the order offered.
--
-- ShapeNum: 1 circular, 2 box, 3 pipe-arch.
-- VSHAStandardSizeNum: the standard size table of the type: 1 RC box,
--   2 concrete pipe, 3 corrugated metal pipe, 4 RC arch pipe, 5 steel
--   pipe-arch; any other value: no standard sizes.
-- DisplayUnits: 1 inches, 2 feet (labels, display texts, user size entries).
-- NumSizeParameters: 1 circular (diameter), 2 box (span, rise), 5 pipe-arch
--   (span, rise, bottom, top and corner radius); Size1Text.. are the captions
--   of those values, and the captions above NumSizeParameters stay NULL.
--
-- DefaultManningN: FHWA HDS-5 (2001), Table 10 and the full-flow charts:
--   0.012 for concrete (the value of the concrete full-flow charts; smooth
--   concrete pipe is 0.010-0.013), 0.024 for corrugated metal with
--   2-2/3 x 1/2 in corrugations (0.022-0.027; 0.024 for the larger
--   pipe-arch sizes of the public shape database).
-- The labels and the user size notes are the agency's own: sample data.

CREATE TABLE TblGenDesignCulvertTypes (
    IDNum INTEGER NOT NULL UNIQUE,
    CulvertShortLabel TEXT NOT NULL,
    CulvertLongLabel TEXT NOT NULL,
    DefaultManningN REAL NOT NULL CHECK (DefaultManningN > 0),
    ShapeNum INTEGER NOT NULL CHECK (ShapeNum IN (1, 2, 3)),
    VSHAStandardSizeNum INTEGER NOT NULL,
    DisplayUnits INTEGER NOT NULL CHECK (DisplayUnits IN (1, 2)),
    NumSizeParameters INTEGER NOT NULL,
    UserSizeNotes TEXT,
    Size1Text TEXT,
    Size2Text TEXT,
    Size3Text TEXT,
    Size4Text TEXT,
    Size5Text TEXT
);

INSERT INTO TblGenDesignCulvertTypes VALUES
    (1, 'RCP', 'Reinforced Concrete Pipe', 0.012, 1, 2, 1, 1,
        NULL, 'Diameter', NULL, NULL, NULL, NULL),
    (2, 'CMP', 'Corrugated Metal Pipe', 0.024, 1, 3, 1, 1,
        'Nominal diameter', 'Diameter', NULL, NULL, NULL, NULL),
    (3, 'RCB', 'Reinforced Concrete Box', 0.012, 2, 1, 2, 2,
        'Inside span and rise of one cell', 'Width (Span)', 'Height (Rise)', NULL, NULL, NULL),
    (4, 'RCAP', 'Reinforced Concrete Arch Pipe', 0.012, 3, 4, 1, 5,
        'Inside dimensions; the radii must close the section',
        'Span', 'Rise', 'Bottom Radius', 'Top Radius', 'Corner Radius'),
    (5, 'CSPA', 'Corrugated Steel Pipe-Arch', 0.024, 3, 5, 1, 5,
        'Inside dimensions; the radii must close the section',
        'Span', 'Rise', 'Bottom Radius', 'Top Radius', 'Corner Radius');

INSERT INTO StoredQueries VALUES ('TblGenDesignCulvertTypesQuery',
    'SELECT IDNum, CulvertShortLabel, CulvertLongLabel, DefaultManningN, ShapeNum,
            VSHAStandardSizeNum, DisplayUnits, NumSizeParameters, UserSizeNotes,
            Size1Text, Size2Text, Size3Text, Size4Text, Size5Text
       FROM TblGenDesignCulvertTypes
      ORDER BY rowid');
