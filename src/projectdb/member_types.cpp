// The seven member-type choices with their pictures.
#include "projectdb/member_types.h"

#include <array>

namespace projectdb {

namespace {

MemberTypeOption Option(const char* name, int bitmapId = 0, const char* picture = "", const char* caption = nullptr) {
    return {name, caption ? caption : name, bitmapId, picture};
}

MemberChoiceList List(MemberChoice kind, const char* title, std::vector<MemberTypeOption> options, int width = 0,
                      int fixedBitmapId = 0, const char* fixedPicture = "") {
    return {kind, title, std::move(options), width, fixedBitmapId, fixedPicture};
}

std::array<MemberChoiceList, 7> BuildLists() {
    using C = MemberChoice;
    return {{
        List(C::Structure, "选择结构类型",
             {Option("装配式简支空心板桥"), Option("装配式简支T梁桥"), Option("简支等截面箱梁桥"),
              Option("简支变截面箱梁桥"), Option("连续等截面箱梁桥"), Option("连续变截面箱梁桥")}),
        List(C::BentCap, "选择帽梁类型",
             {Option("1类墩帽", 156, "cap_pier_1.svg"), Option("2类墩帽", 157, "cap_pier_2.svg"),
              Option("3类墩帽", 551, "cap_pier_3.svg"), Option("1类台帽", 155, "cap_abutment_1.svg"),
              Option("2类台帽", 178, "cap_abutment_2.svg"), Option("无")},
             278),
        List(C::Body, "选择墩台身类型",
             {Option("矩形截面柱式墩身", 158, "body_rect_column.svg"),
              Option("圆形截面柱式墩身", 159, "body_round_column.svg"),
              Option("矩形截面实体式墩身", 160, "body_rect_solid.svg"),
              Option("尖端形截面实体式墩身", 161, "body_pointed_solid.svg"),
              Option("圆端形截面实体式墩身", 162, "body_round_end_solid.svg"),
              Option("多边形截面薄壁墩身", 163, "body_polygon_wall.svg"),
              Option("肋板式台身", 164, "body_rib_abutment.svg"), Option("U型桥台台身", 165, "body_u_abutment.svg"),
              Option("无")},
             163),
        // The buttons space out the short names; the names stored are written without blanks.
        List(
            C::Connection, "选择墩台身与基础联结构造类型",
            {Option("桩帽", 166, "connect_pile_hat.svg", "桩 帽"), Option("系梁", 167, "connect_tie_beam.svg", "系 梁"),
             Option("1类承台", 168, "connect_pile_cap_1.svg", "1 类承台"),
             Option("2类承台", 169, "connect_pile_cap_2.svg", "2 类承台"), Option("无")},
            163),
        List(C::Foundation, "选择基础类型",
             {Option("单排桩基础", 170, "found_single_pile_row.svg"),
              Option("多排桩基础", 171, "found_multi_pile_row.svg"),
              Option("梅花形桩基础", 172, "found_quincunx_piles.svg"),
              Option("台阶形扩大基础", 173, "found_stepped_footing.svg"),
              Option("梯形扩大基础", 174, "found_trapezoid_footing.svg"),
              Option("U台扩大基础(台阶形)", 175, "found_u_stepped_footing.svg"),
              Option("U台扩大基础(趾板式)", 176, "found_u_toe_footing.svg"),
              Option("沉井基础", 177, "found_caisson.svg"), Option("无")},
             163),
        List(C::TitleBlock, "选择图标类型",
             {Option("图标1", 151, "title_block_1.svg"), Option("图标2", 154, "title_block_2.svg"),
              Option("图标3", 153, "title_block_3.svg")},
             470),
        List(C::SignOff, "是否绘制会签栏及角标", {Option("绘制"), Option("不绘制")}, 0, 152, "sign_off_field.svg"),
    }};
}

}  // namespace

const MemberChoiceList& MemberChoiceListOf(MemberChoice kind) {
    static const std::array<MemberChoiceList, 7> lists = BuildLists();
    return lists[static_cast<int>(kind)];
}

int MemberChoiceIndex(MemberChoice kind, const std::string& current) {
    const auto& options = MemberChoiceListOf(kind).options;
    for (int i = 0; i < static_cast<int>(options.size()); ++i)
        if (options[i].name == current) return i;
    return 0;
}

}  // namespace projectdb
