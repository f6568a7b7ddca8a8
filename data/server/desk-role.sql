-- The role of the desks: they read and write the declarations, and nothing
-- else. Run it as the server's superuser on the office database once its
-- tables are there (the first connection of the database's owner makes them):
--   sudo -u postgres psql -d d7 -f desk-role.sql
-- then give every person at a desk a login in the role:
--   CREATE ROLE maria LOGIN PASSWORD '...' IN ROLE d7_desk;

CREATE ROLE d7_desk NOLOGIN;

-- Only the owner makes tables in this database.
REVOKE CREATE ON SCHEMA public FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO d7_desk;

-- The keys of new rows come from the tables' identity columns, which need no
-- rights of their own. The time of each declaration's last change is written
-- by the tables' triggers with the rights of the desk that changed it.
GRANT SELECT, INSERT, UPDATE, DELETE
  ON citizendata, wifedata, generaldata, ekprosopos, children, table1, table2, declaration_changes
  TO d7_desk;
GRANT SELECT ON schema_version TO d7_desk;
