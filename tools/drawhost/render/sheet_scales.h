#pragma once
// The drafting rules every view keeps: scales only from the series engineers use, and text heights on
// paper from the standard series.
namespace drawhost {

inline constexpr double kTextHeight = 3.5;       // ordinary text, dimensions and notes, mm on paper
inline constexpr double kViewTitleHeight = 5.0;  // a view's title

// The series of scale denominators, largest scale first.
inline constexpr int kScaleSeries[] = {50, 100, 150, 200, 250, 300, 400, 500, 600, 1000, 2000};

// The largest scale of the series at which something `needed` (a denominator) fits, i.e. the smallest
// denominator not below it; 0 when not even 1:2000 fits.
int SmallestSeriesScale(double needed);
// Whether a denominator belongs to the series.
bool InScaleSeries(double denominator);

}  // namespace drawhost
