#pragma once

#include <QPixmap>

// A small flag picture for the language at the index of LanguageNames, drawn in
// place so that the language list needs no picture files.
QPixmap LanguageFlag(int language, QSize size);
