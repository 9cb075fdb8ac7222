-- The version row a template carries. Its creation date is replaced by the
-- moment a collection is made from the template.
INSERT INTO version (version_num, creation_date, comments) VALUES (3, 1767225600.0, 'Full');
