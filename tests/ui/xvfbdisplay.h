// The X display of the test run's private Xvfb server (xvfb_main.cpp): ":N", or empty when no
// server could be started and the application runs offscreen.
#pragma once

#include <QString>

QString xvfbDisplay();
