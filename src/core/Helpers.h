#pragma once

#include <QString>

#include <initializer_list>

// Small operations shared by many screens; none of them touches a widget.

// The n-th field (from 1) of text split at separator, after trimming blanks and
// control characters from both ends of the text; empty when n <= 0 or past the end.
QString GetPiece(const QString& text, const QString& separator, int n);

// Sales region name used as column name: 0 "ASIA", 1 "EUROPE", 2 "SOUTHAMERICA",
// 3 "NORTHAMERICA". Any other index leaves name unchanged and gives false.
bool RegionName(int index, QString& name);

// A number for SQL text: shortest general form, up to 15 significant digits, "." as
// decimal separator whatever the locale. NaN and infinity give NULL, which matches no row.
QString SqlNumber(double value);

// True when the text has the form of a catalogue code (a series or pad code):
// letters, digits, "-", "_" and "." only. No other text is pasted into SQL text
// as such a code.
bool IsCatalogueCode(const QString& text);

// Whether the text is one of the names.
bool IsOneOf(const QString& text, std::initializer_list<const char*> names);

// True when text is a plain decimal integer (optional sign), the only form of an ID
// that may be pasted into SQL text.
bool IsIntegerText(const QString& text);

// "major.minor" of a ZAVK executable (its embedded version mark); empty for any other file.
QString FileVersionText(const QString& filePath);
// "major.minor" of the running program.
QString ProgramVersionText();

// Sets last-write and last-access time of a file to a local time "yyyy-MM-dd hh:mm".
// An empty time does nothing and succeeds; an unreadable time or file gives false.
bool SetFileStamp(const QString& filePath, const QString& timeText);

// Last-write time of a file as local "yyyy-MM-dd hh:mm"; empty when it does not exist.
QString FileStampText(const QString& filePath);

// Copies a history file while changing the decimal separator of its values:
// mode 0 turns "." into ",", mode 1 "," into ".". Lines holding SQL text
// ("SpconRBaseSql", "SpconLBaseSql"), lines without "=", keys and lines containing
// "JOINT" are copied unchanged. The target is replaced atomically; false on any failure.
bool ConvertDecimalSeparator(const QString& sourcePath, const QString& targetPath, int mode);
