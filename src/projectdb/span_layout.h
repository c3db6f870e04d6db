#pragma once
// The arithmetic of the span layout: support stakes from the sections and the span count.
#include <string>
#include <vector>

#include "projectdb/text_sheet.h"

namespace projectdb {

// Columns of the sections sheet (上构布置信息).
namespace section_col {
inline constexpr int kType = 0, kSpans = 1, kLength = 2, kCount = 3;
}
// Columns of the supports sheet (下构布置信息).
namespace support_col {
inline constexpr int kStake = 0, kCap = 1, kBody = 2, kConnect = 3, kFoundation = 4, kDepth = 5,
                     kDeckDrop = 6, kSkew = 7, kSlope = 8, kCount = 9;
}
// Columns of the joints sheet (伸缩缝信息).
namespace joint_col {
inline constexpr int kStake = 0, kCount = 1;
}

// Counts no bridge reaches (the command line refuses more, the windows say so before writing); a sheet is
// never sized beyond them, so that a mistyped count cannot ask for millions of rows.
inline constexpr long kMaxSections = 10000;
inline constexpr long kMaxSpans = 10000;
inline constexpr long kMaxJoints = kMaxSpans + 1;

// The spans of one section: its 该段所含跨数 with the fraction cut off.
long SpansOf(const TextSheet& sections, int row);
// The sum of the sections' spans.
long SpanCount(const TextSheet& sections);

// The support-line stakes, "%.3lf": the start stake, then for every section in row order as many stakes as
// it has spans, each one span length beyond the one before, at most kMaxSpans of them. Linear in the number
// of spans.
std::vector<std::string> SupportStakes(const TextSheet& sections, double startStake);

// A stake text moved by `delta`, "%.3lf".
std::string MovedStake(const std::string& stake, double delta);

}  // namespace projectdb
