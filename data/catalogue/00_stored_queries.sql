-- The catalogue database TWLDBUS.db: the culvert types, inlets and standard
-- barrel sizes that the design tools offer, the hydrology tables and the
-- inlet design parameters. The build runs the files of this folder in name
-- order into a fresh file, which lies beside the program; the program only
-- reads it. To change the catalogue, edit these files and rebuild.
--
-- Every query the program runs is data: StoredQueries holds each one by name,
-- with its SQL and named parameters (:Parm, :CulvertType). A query yields its
-- rows in the order its own ORDER BY gives; a table is read in the order its
-- rows were inserted, so each file inserts its rows in the order the windows
-- list them.

CREATE TABLE StoredQueries (
    Name TEXT PRIMARY KEY,
    Sql TEXT NOT NULL
);
