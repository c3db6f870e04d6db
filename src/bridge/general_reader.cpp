#include "bridge/model_readers.h"
#include "bridge/table_rows.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// A deck width the general information leaves at 0 is taken as a two-lane road of 12 m.
constexpr double kStandardDeckWidth = 12.0;

}  // namespace

void ReadGeneral(dao::Database& db, Bridge& b) {
    TableRows t(db, projectdb::kGeneralInfoTable, b.findings);
    if (t.empty()) {
        b.findings.push_back({"NO_GENERAL_INFO", 'E', "项目中没有一般信息（一般信息表为空），桥宽按 12m 假定。",
                              projectdb::kGeneralInfoTable, -1});
        b.decks.push_back({DeckSide::Whole, kStandardDeckWidth, 0, true});
        return;
    }
    b.name = t.Text(0, "BridgeName");
    b.site.designLineOffset = t.Number(0, "Dist3");
    const std::string transect = t.Text(0, "TransectType");
    const std::string part = t.Text(0, "LeftOrRight");
    const double whole = t.Number(0, "BridgeWidth");
    const double left = t.Number(0, "LeftBridgeWidth"), right = t.Number(0, "RightBridgeWidth");
    const double gap = t.Number(0, "DividerWidth");
    if (transect.rfind("分离式", 0) == 0) {
        // The form keeps C2 (right half) in Dist1 and C1 (left half) in Dist2. Without them the halves lie
        // side by side with the gap between them.
        double c1 = t.Number(0, "Dist2"), c2 = t.Number(0, "Dist1");
        if (c1 <= 0) c1 = (gap + left) / 2;
        if (c2 <= 0) c2 = (gap + right) / 2;
        // One project designs one half; 全桥 (the rule for halves alike) designs both with the same members.
        const bool both = part == "全桥";
        b.decks.push_back({DeckSide::Left, left, -c1, both || part == "左半桥"});
        b.decks.push_back({DeckSide::Right, right, c2, both || part == "右半桥"});
        if (!both && part != "左半桥" && part != "右半桥")
            b.findings.push_back({"DESIGNED_PART_UNKNOWN", 'E',
                                  "一般信息表的“当前项目仅设计”为“" + part + "”，不是左半桥、右半桥或全桥；按左半桥处理。",
                                  projectdb::kGeneralInfoTable, t.Record(0)});
        if (!b.decks[0].designed && !b.decks[1].designed) b.decks[0].designed = true;
    } else {
        double width = whole > 0 ? whole : left + right + gap;
        b.decks.push_back({DeckSide::Whole, width, 0, true});
    }
    for (Deck& d : b.decks)
        if (d.width <= 0) {
            b.findings.push_back({"NO_DECK_WIDTH", 'E',
                                  std::string("一般信息表中没有") + d.SideText() + "桥宽度，按 12m 假定。",
                                  projectdb::kGeneralInfoTable, t.Record(0)});
            d.width = kStandardDeckWidth;
        }
}

}  // namespace bridge
