-- Export type 1: cacti, watering schedules and the photos of cacti.
-- The version row keeps the counts of the whole collection.
DROP TABLE IF EXISTS log;
DROP TABLE IF EXISTS event;
DROP TABLE IF EXISTS species;
DELETE FROM image WHERE type IS NOT 0;
