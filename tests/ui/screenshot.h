#pragma once
// Saves a window's picture under $QUINTARO_SCREENSHOTS for a person to look at.

#include <QDir>
#include <QWidget>

inline void SaveScreenshot(QWidget* window, const QString& name) {
    const QString dir = qEnvironmentVariable("QUINTARO_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    window->grab().save(dir + "/" + name + ".png");
}
