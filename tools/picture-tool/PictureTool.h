#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <functional>

// What the build-time picture tools share.

// Writes image as folder/name in the format: "PNG" as name.png, "JPG" as name.JPG
// (quality 95), "BMP" as name.bmp (24 bits). False, with a message on stderr,
// when it cannot.
bool SavePicture(const QImage& image, const QDir& folder, const QString& name,
                 const char* format = "PNG");

// The main of a picture tool: the only argument names the output folder, made
// when missing; draw writes into it. Text is drawn with the fonts of the build
// machine, so no screen is needed. Gives the exit code.
int RunPictureTool(int argc, char* argv[], const std::function<bool(const QDir&)>& draw);
