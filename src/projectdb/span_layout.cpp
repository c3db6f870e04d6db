#include "projectdb/span_layout.h"

#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace projectdb {

long SpansOf(const TextSheet& sections, int row) {
    return text::Atol(sections.cell(row, section_col::kSpans));
}

long SpanCount(const TextSheet& sections) {
    long sum = 0;
    for (int r = 0; r < sections.rows(); ++r) sum += SpansOf(sections, r);
    return sum;
}

std::vector<std::string> SupportStakes(const TextSheet& sections, double startStake) {
    std::vector<std::string> stakes;
    double stake = startStake;
    stakes.push_back(text::FormatFixed(stake, 3));
    for (int r = 0; r < sections.rows(); ++r) {
        double length = text::Atof(sections.cell(r, section_col::kLength));
        for (long s = SpansOf(sections, r); s > 0 && stakes.size() <= size_t(kMaxSpans); --s) {
            stake += length;
            stakes.push_back(text::FormatFixed(stake, 3));
        }
    }
    return stakes;
}

std::string MovedStake(const std::string& stake, double delta) {
    return text::FormatFixed(text::Atof(stake) + delta, 3);
}

}  // namespace projectdb
