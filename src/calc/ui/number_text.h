#pragma once
// Numbers in the calculators' edit fields: shown the way a dialog shows a double (15 significant
// digits), read the way the C library's atof and atol read typed text. Text that reads as infinity or
// "nan" counts as 0, so that no list or result ever shows one.
#include <QString>

namespace calc::ui {

QString NumberText(double value);
QString NumberText(int value);
double ReadNumber(const QString& text);
int ReadWholeNumber(const QString& text);

}  // namespace calc::ui
