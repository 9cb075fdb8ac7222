-- Export type 2: cacti and their photos. Watering keys stay as they are;
-- the importer gives plants whose schedule it did not import the key 0.
DROP TABLE IF EXISTS watering;
DROP TABLE IF EXISTS log;
DROP TABLE IF EXISTS event;
DROP TABLE IF EXISTS species;
DELETE FROM image WHERE type IS NOT 0;
