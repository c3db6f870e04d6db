#include "site/site_editors.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "kit/bridge_facts.h"
#include "kit/record_sheet.h"
#include "site/site_backdrop.h"
#include "site/site_plots.h"
#include "site/site_sheets.h"

namespace site {
namespace {

using dao::Value;
using modulekit::Record;
using Sheets = std::vector<ui::ProposedTable>;

// The cross slope of a deck without data: the usual 2 % crown, falling towards both edges.
constexpr double kCrownSlope = -2.0;

struct Editor {
    const char* title;
    const char* note;
    std::vector<modulekit::SheetSpec> specs;
    // Rows for the tables that are empty, one list per table.
    std::function<std::vector<std::vector<Record>>(const Backdrop&)> starting;
    std::function<std::vector<ui::Plot>(const Sheets&, const Backdrop&)> plots;
    std::function<void(Sheets&)> complete = {};  // what follows from the accepted rows
};

// The road design table has no captions of its own; its pairs read as offset and elevation of point k.
std::vector<std::string> RoadTableCaptions(const std::vector<std::string>& fields) {
    std::vector<std::string> captions;
    for (const std::string& field : fields) {
        if (field == "CenterStake")
            captions.push_back("中桩桩号");
        else if (field == "CenterElev")
            captions.push_back("中桩高程");
        else if (field.rfind("Dist", 0) == 0)
            captions.push_back("距离" + field.substr(4));
        else if (field.rfind("Elev", 0) == 0)
            captions.push_back("高程" + field.substr(4));
        else
            captions.push_back(field);
    }
    return captions;
}

bool Run(dao::Database& db, const Editor& editor) {
    auto backdrop = std::make_shared<const Backdrop>(ReadBackdrop(db));
    ui::EditRequest request;
    request.title = editor.title;
    request.note = editor.note;
    for (const auto& spec : editor.specs) {
        request.tables.push_back(modulekit::ReadSheet(db, *spec.schema));
        request.tables.back().rowsFixed = spec.rowsFixed;
    }
    for (auto& sheet : request.tables)
        if (sheet.table == projectdb::kRoadDesignTable) {
            sheet.captions = RoadTableCaptions(sheet.fields);
            for (std::size_t i = 0; i < sheet.captions.size(); ++i)
                sheet.captions[i] = projectdb::CaptionWithUnit(
                    sheet.captions[i], projectdb::FieldUnit(projectdb::kRoadDesignTable, sheet.fields[i]));
        }
    std::vector<std::vector<Record>> starting = editor.starting(*backdrop);
    for (std::size_t t = 0; t < request.tables.size() && t < starting.size(); ++t)
        if (request.tables[t].rows.empty()) modulekit::AppendRecords(request.tables[t], starting[t]);
    request.plots = [backdrop, plots = editor.plots](const Sheets& sheets) { return plots(sheets, *backdrop); };
    return modulekit::EditAndWrite(db, request, editor.specs, editor.complete);
}

Value Number(double v) { return Value::Double(v); }

// The bridge from its first to its last support, when the layout has two.
std::optional<std::pair<double, double>> Extent(const Backdrop& backdrop) {
    if (backdrop.supports.size() < 2) return std::nullopt;
    auto [low, high] = std::minmax_element(backdrop.supports.begin(), backdrop.supports.end());
    return std::pair{*low, *high};
}

// A borehole's layer count is that of its layers on the second sheet, when it has any there.
void CountLayers(Sheets& sheets) {
    ui::ProposedTable& holes = sheets[0];
    const ui::ProposedTable& layers = sheets[1];
    auto column = [](const ui::ProposedTable& t, const char* field) {
        return static_cast<std::size_t>(std::find(t.fields.begin(), t.fields.end(), field) - t.fields.begin());
    };
    const std::size_t name = column(holes, "DrillNum"), count = column(holes, "LayerSum");
    const std::size_t layerHole = column(layers, "DrillNum");
    if (count >= holes.fields.size() || name >= holes.fields.size() || layerHole >= layers.fields.size()) return;
    for (auto& hole : holes.rows) {
        if (name >= hole.size() || hole[name].empty()) continue;
        long n = std::count_if(layers.rows.begin(), layers.rows.end(), [&](const std::vector<std::string>& layer) {
            return layerHole < layer.size() && layer[layerHole] == hole[name];
        });
        if (n > 0) {
            hole.resize(holes.fields.size());
            hole[count] = std::to_string(n);
        }
    }
}

}  // namespace

// A ground point at every support, its elevation left for the user: nothing else knows the ground.
bool EditGroundLine(dao::Database& db) {
    return Run(db, {"地面线资料",
                    "沿路线中线的地面点，按桩号排列。表为空时在各墩台中心桩号处列出地面点，地面高程请按实测填写。"
                    "图中同时画出竖曲线设计高程、墩台和钻孔位置。",
                    {GroundSheet()},
                    [](const Backdrop& b) {
                        std::vector<Record> rows;
                        for (double stake : b.supports) rows.push_back({{"Stake", Number(stake)}});
                        return std::vector<std::vector<Record>>{rows};
                    },
                    [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{GroundPlot(s[0], b)}; }});
}

// A borehole at every support, as bridge site investigations lay them out, its collar on the ground line.
bool DesignDrill(dao::Database& db) {
    return Run(db,
               {"地质资料",
                "钻孔及其地层。表为空时在各墩台中心桩号处各列一个钻孔（ZK1、ZK2……），孔口高程取该桩号的地面"
                "高程；地层按钻孔编号填入第二页，层底高程自上而下。",
                {BoreholeSheet(), LayerSheet()},
                [](const Backdrop& b) {
                    std::vector<Record> holes;
                    for (std::size_t i = 0; i < b.supports.size(); ++i) {
                        Record hole{{"DrillNum", Value::Text("ZK" + std::to_string(i + 1))},
                                    {"CenterStake", Number(b.supports[i])}};
                        if (auto top = Interpolate(b.ground, b.supports[i])) hole.push_back({"HoleElev", Number(*top)});
                        holes.push_back(std::move(hole));
                    }
                    return std::vector<std::vector<Record>>{holes, {}};
                },
                [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{BoreholePlot(s[0], s[1], b)}; },
                CountLayers});
}

// One record; the channel is first put under the bridge centre.
bool DesignWater(dao::Database& db) {
    const modulekit::BridgeFacts bridge = modulekit::ReadBridgeFacts(db);
    std::optional<double> centre;
    if (!bridge.supports.empty()) centre = bridge.centreStation;
    Editor editor{"水文资料",
                  "桥位的水位与通航净空（高程、尺寸以米计）。表为空时主航道中心桩号取桥中心桩号，其余各项请按水文"
                  "资料填写；不通航时通航净高、净宽留空。",
                  {HydrologySheet()},
                  [centre](const Backdrop&) {
                      Record record;
                      if (centre) record.push_back({"ChannelCenterStake", Number(*centre)});
                      return std::vector<std::vector<Record>>{{record}};
                  },
                  [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{HydrologyPlot(s[0], b)}; }};
    return Run(db, editor);
}

// Without a route, one straight element over the bridge, due north from the origin.
bool DesignHLine(dao::Database& db) {
    return Run(db, {"平曲线资料",
                    "平面线元（直线、圆曲线、缓和曲线），坐标以米计，方位角以度或弧度计，半径0表示无穷大。表为空"
                    "时列出一段贯穿全桥的直线（起点坐标0,0，方位角0），请按路线资料修改。",
                    {PlanSheet()},
                    [](const Backdrop& b) {
                        std::vector<Record> rows;
                        if (auto extent = Extent(b)) {
                            const double length = extent->second - extent->first;
                            rows.push_back({{"CurveSectNum", Value::Long(1)},
                                            {"CurveType", Value::Text("直线")},
                                            {"CurveDirect", Value::Text("无")},
                                            {"StartPointStake", Number(extent->first)},
                                            {"StartPointX", Number(0)},
                                            {"StartPointY", Number(0)},
                                            {"StartPointAngle", Number(0)},
                                            {"StartPointRadii", Number(0)},
                                            {"EndPointX", Number(length)},
                                            {"EndPointY", Number(0)},
                                            {"EndPointAngle", Number(0)},
                                            {"EndPointRadii", Number(0)},
                                            {"CurveLength", Number(length)},
                                            {"A_Value", Number(0)}});
                        }
                        return std::vector<std::vector<Record>>{rows};
                    },
                    [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{PlanPlot(s[0], b)}; }});
}

// Without a route, a grade point at each end of the bridge whose elevation the user gives.
bool DesignVLine(dao::Database& db) {
    return Run(db, {"竖曲线资料",
                    "变坡点的桩号、高程和竖曲线半径（起终点半径不用）。表为空时在桥梁两端各列一个变坡点，高程请"
                    "填写。图中设计高程按二次抛物线竖曲线计算。",
                    {ProfileSheet()},
                    [](const Backdrop& b) {
                        std::vector<Record> rows;
                        if (auto extent = Extent(b))
                            for (double stake : {extent->first, extent->second})
                                rows.push_back({{"TurnPointStake", Number(stake)}, {"TurnPointRadii", Number(0)}});
                        return std::vector<std::vector<Record>>{rows};
                    },
                    [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{ProfilePlot(s[0], b)}; }});
}

// Without data, the usual crown over the whole bridge.
bool DesignSlope(dao::Database& db) {
    return Run(db, {"桥面横坡资料",
                    "桥面横坡分段，横坡以%计，自中线向外升高为正。表为空时全桥一段，左右均为-2（双向2%路拱）。"
                    "段间按一般信息中的超高过渡方法过渡。",
                    {DeckSlopeSheet()},
                    [](const Backdrop& b) {
                        std::vector<Record> rows;
                        if (auto extent = Extent(b))
                            rows.push_back({{"起点桩号", Number(extent->first)},
                                            {"终点桩号", Number(extent->second)},
                                            {"左半桥横坡", Number(kCrownSlope)},
                                            {"右半桥横坡", Number(kCrownSlope)}});
                        return std::vector<std::vector<Record>>{rows};
                    },
                    [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{SlopePlot(s[0], b)}; }});
}

// Without data, a section at every support: the centre on the grade line, the two deck edges by the cross
// slope there.
bool DesignRdTbl(dao::Database& db) {
    const modulekit::DeckFacts deck = modulekit::ReadBridgeFacts(db).deck;
    const std::optional<double> width = deck.assumed ? std::nullopt : std::optional<double>(deck.width);
    Editor editor{"路基设计表",
                  "各桩号的中桩设计高程及横向各点（距中线距离，左负右正；高程）。表为空时在各墩台桩号处按竖曲线计算中桩"
                  "高程，按桥面宽度与桥面横坡（无横坡资料时双向2%）给出左右边缘点。",
                  {RoadTableSheet()},
                  [width](const Backdrop& b) {
                      std::vector<Record> rows;
                      calc::VerticalProfile grade(b.profile);
                      calc::CrossSlopes slopes(b.slopes, b.law);
                      for (double stake : b.supports) {
                          Record row{{"CenterStake", Number(stake)}};
                          if (!grade.empty()) {
                              const double centre = grade.Elevation(stake);
                              row.push_back({"CenterElev", Number(centre)});
                              if (width && *width > 0) {
                                  calc::CrossSlope at = slopes.empty() ? calc::CrossSlope{kCrownSlope, kCrownSlope}
                                                                       : slopes.At(stake);
                                  const double half = *width / 2;
                                  row.push_back({"Dist1", Number(-half)});
                                  row.push_back({"Elev1", Number(centre + calc::CrossSlopes::Rise(at, -half))});
                                  row.push_back({"Dist2", Number(half)});
                                  row.push_back({"Elev2", Number(centre + calc::CrossSlopes::Rise(at, half))});
                              }
                          }
                          rows.push_back(std::move(row));
                      }
                      return std::vector<std::vector<Record>>{rows};
                  },
                  [](const Sheets& s, const Backdrop& b) { return std::vector<ui::Plot>{RoadTablePlot(s[0], b)}; }};
    return Run(db, editor);
}

}  // namespace site
