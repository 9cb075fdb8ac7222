-- Export type 3: watering schedules only.
DROP TABLE IF EXISTS cactus;
DROP TABLE IF EXISTS log;
DROP TABLE IF EXISTS image;
DROP TABLE IF EXISTS event;
DROP TABLE IF EXISTS species;
