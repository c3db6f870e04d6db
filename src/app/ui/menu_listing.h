#pragma once
// The menu bar as built, one line per entry, for reviewers: popup path, id, text, shortcut, status text,
// enabled.
#include <QString>

class QMenuBar;

QString ListMenus(const QMenuBar& menuBar);
