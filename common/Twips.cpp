#include "common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

double ScreenDpi() {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* s = app->primaryScreen()) return s->logicalDotsPerInch();
  return 96.0;
}

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips * ScreenDpi() / 1440.0)); }

double PixelsToTwips(double pixels) { return pixels * 1440.0 / ScreenDpi(); }

static QSize screenPixels() {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* s = app->primaryScreen()) return s->geometry().size();
  return QSize(1024, 768);
}

int ScreenWidthTwips() { return static_cast<int>(std::lround(PixelsToTwips(screenPixels().width()))); }
int ScreenHeightTwips() { return static_cast<int>(std::lround(PixelsToTwips(screenPixels().height()))); }
