-- Version of the catalogue content.

INSERT INTO DBVersion (VersionID) VALUES ('0.1-placeholder');
