-- The collection schema (version 3). Every collection database and every
-- interchange file has these seven tables; `pk` is always the row-id alias so
-- that SQLite assigns keys on insert.

CREATE TABLE version (
  pk INTEGER PRIMARY KEY,
  version_num INTEGER,
  creation_date REAL DEFAULT 0.0,
  comments TEXT,
  app_identifier INTEGER DEFAULT 0,
  app_version REAL DEFAULT 0.0,
  export_date REAL DEFAULT 0.0,
  num_cacti INTEGER DEFAULT 0,
  num_watering INTEGER DEFAULT 0,
  num_logs INTEGER DEFAULT 0,
  num_events INTEGER DEFAULT 0,
  num_species INTEGER DEFAULT 0,
  num_images INTEGER DEFAULT 0
);

CREATE TABLE cactus (
  pk INTEGER PRIMARY KEY,
  name TEXT,
  common_name TEXT,
  scientific_name TEXT,
  type INTEGER DEFAULT 0,
  watering_key INTEGER DEFAULT -1,
  last_watered REAL DEFAULT 0.0,
  water_next REAL DEFAULT 0.0,
  plant_date REAL DEFAULT 0.0,
  source INTEGER DEFAULT 7,
  date_acquired REAL DEFAULT 0.0,
  purchase_price REAL DEFAULT 0.0,
  value REAL DEFAULT 0.0,
  location TEXT,
  height TEXT,
  width TEXT,
  weight TEXT,
  light TEXT,
  temperature TEXT,
  pot_size TEXT,
  pot_shape INTEGER DEFAULT 0,
  pot_material INTEGER DEFAULT 4,
  notes TEXT
);

CREATE TABLE watering (
  pk INTEGER PRIMARY KEY,
  name TEXT,
  frequency INTEGER DEFAULT 1,
  frequency_units INTEGER DEFAULT 4,
  quantity INTEGER DEFAULT 2,
  last_watered REAL DEFAULT 0.0,
  water_next REAL DEFAULT 0.0,
  notification_set INTEGER DEFAULT 0,
  no_water_ddmm1 INTEGER DEFAULT 0,
  no_water_ddmm2 INTEGER DEFAULT 0,
  no_water_ddmm3 INTEGER DEFAULT 0,
  no_water_ddmm4 INTEGER DEFAULT 0,
  no_water_ddmm5 INTEGER DEFAULT 0,
  no_water_ddmm6 INTEGER DEFAULT 0,
  notes TEXT
);

CREATE TABLE log (
  pk INTEGER PRIMARY KEY,
  type INTEGER DEFAULT 0,
  date REAL DEFAULT 0.0,
  reminder INTEGER DEFAULT 0,
  reminder_id TEXT,
  cactus_key INTEGER DEFAULT -1,
  event TEXT,
  note_summary TEXT,
  notes TEXT
);

CREATE TABLE event (
  pk INTEGER PRIMARY KEY,
  name TEXT
);

CREATE TABLE species (
  pk INTEGER PRIMARY KEY,
  name TEXT,
  scientific TEXT
);

CREATE TABLE image (
  pk INTEGER PRIMARY KEY,
  type INTEGER DEFAULT -1,
  key INTEGER DEFAULT -1,
  tag INTEGER DEFAULT -1,
  caption TEXT,
  photo BLOB,
  thumbnail BLOB
);
