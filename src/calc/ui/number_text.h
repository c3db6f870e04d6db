#pragma once
// Numbers in the calculators' edit fields: shown the way a dialog shows a double (15 significant
// digits), read the way the C library's atof and atol read typed text. Text that reads as infinity or
// "nan" counts as 0, so that no list or result ever shows one.
#include <QString>
#include <optional>

namespace calc::ui {

QString NumberText(double value);
QString NumberText(int value);
double ReadNumber(const QString& text);
int ReadWholeNumber(const QString& text);
// A stake field: a number or "K1+190.5"; an empty field is 0, as an empty number field is. None for other text.
std::optional<double> ReadStake(const QString& text);

}  // namespace calc::ui
