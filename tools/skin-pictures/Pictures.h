#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Writes image as folder/name.png; false, with a message on stderr, when it cannot.
bool SavePicture(const QImage& image, const QDir& folder, const QString& name,
                 const char* format = "PNG");

// The main window's frame: caption bar, status bar with its size grip, side borders.
bool SaveFramePictures(const QDir& skinFolder);

// The start page's picture, folder/Main.JPG.
bool SaveStartPicture(const QDir& imageFolder);

// The splash window's picture, folder/Splash.JPG.
bool SaveSplashPicture(const QDir& imageFolder);
