#pragma once

#include "PictureTool.h"

// The main window's frame: caption bar, status bar with its size grip, side borders.
bool SaveFramePictures(const QDir& skinFolder);

// The start page's picture, folder/Main.JPG.
bool SaveStartPicture(const QDir& imageFolder);

// The splash window's picture, folder/Splash.JPG.
bool SaveSplashPicture(const QDir& imageFolder);
