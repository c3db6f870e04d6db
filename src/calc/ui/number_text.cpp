#include "calc/ui/number_text.h"

#include <climits>
#include <cmath>

#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace calc::ui {

QString NumberText(double value) { return QString::fromStdString(text::Format("%.15g", value)); }

QString NumberText(int value) { return QString::number(value); }

double ReadNumber(const QString& text) {
    double value = text::Atof(text.toStdString());
    return std::isfinite(value) ? value : 0.0;
}

int ReadWholeNumber(const QString& text) {
    long value = text::Atol(text.toStdString());
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::optional<double> ReadStake(const QString& text) {
    if (text.trimmed().isEmpty()) return 0.0;
    return text::ParseStake(text.toStdString());
}

}  // namespace calc::ui
