-- Version of the catalogue content.

INSERT INTO DBVersion (VersionID) VALUES ('2026.12-1');
