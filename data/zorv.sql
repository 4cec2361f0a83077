-- The shipped zorv.db: the plan table, the article table, their indexes, and the table of our
-- own that holds the ids a cut compare-id run stored above its plan's lastid.
-- The numeric columns have INTEGER affinity, so that statements comparing them with numbers
-- ("isdo<3", "planid=...") work whether a value was written quoted or not.
CREATE TABLE rule (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  class INTEGER,
  code text,
  name text,
  url text,
  cookie text,
  ua text,
  arttile text,
  arturl text,
  lasttime text,
  buquan text,
  regular text,
  before text,
  after text,
  tindex INTEGER,
  uindex INTEGER,
  oindex text,
  isdo INTEGER,
  lastid INTEGER,
  type INTEGER,
  postinfo text,
  tcode text
);

CREATE TABLE info (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  planname text,
  planid INTEGER,
  title text,
  url text,
  other text,
  addtime text,
  issoucang text
);

CREATE INDEX IF NOT EXISTS info_url ON info(url);
CREATE INDEX IF NOT EXISTS info_plan ON info(planid, id);

CREATE TABLE IF NOT EXISTS storedabove (planid INTEGER, articleid INTEGER);
