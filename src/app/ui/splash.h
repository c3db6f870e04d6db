#pragma once
// The start-up picture, shown for `milliseconds` before the main window is built.
void ShowStartupPicture(int milliseconds);
