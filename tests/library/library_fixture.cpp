#include "library_fixture.h"

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/variant_text.h"

namespace library_test {

using namespace exchange_test;

void MakeBridge(ProjectFile& p) {
    p.add("一般信息表", {{"LeftOrRight", T("全桥")}, {"BridgeWidth", N(12.5)}, {"LeftBridgeWidth", N(6)},
                         {"RightBridgeWidth", N(6.5)}});
    const char* types[] = {"装配式简支空心板桥", "装配式简支T梁桥", "连续等截面箱梁桥", "简支变截面箱梁桥"};
    const double lengths[] = {16, 30, 35.55, 40};
    for (int span = 1; span <= 4; ++span)
        p.add("上构布置明细表",
              {{"SpanNumber", L(span)}, {"StructureType", T(types[span - 1])}, {"SpanLength", N(lengths[span - 1])}});

    // Hollow slabs: Z20 is used in no span.
    p.add("空心板布置信息表", {{"SlabInWhichSpan", L(1)}, {"InsideSlabType", T("Z16")}, {"OutsideSlabType", T("B16")}});
    p.add("中板尺寸信息表", {{"SlabType", T("Z16")}, {"Height", N(0.8)}, {"BottomWidth", N(0.99)},
                             {"SlabLength", N(15.96)}, {"CavityType", T("圆形")}, {"CavityNum", L(2)}});
    p.add("中板尺寸信息表", {{"SlabType", T("Z20")}, {"Height", N(0.9)}, {"BottomWidth", N(0.99)}});
    p.add("边板尺寸信息表", {{"SlabType", T("B16")}, {"Height", N(0.8)}, {"BottomWidth", N(1.245)},
                             {"SuspendEndHeight", N(0.12)}, {"SuspendHeight", N(0.2)}, {"SuspendWidth", N(0.25)}});

    // T-beams: T30S stands in both size tables; the span uses it as its side beam.
    p.add("T梁布置信息表",
          {{"TBeamInWhichSpan", L(2)}, {"InsideTBeamType", T("T30")}, {"OutsideTBeamType", T("T30S")}});
    p.add("中梁尺寸信息表", {{"TBeamType", T("T30")}, {"TBeamHeight", N(2)}, {"TopWidth", N(1.6)},
                             {"FlangeWidth", N(0.3)}, {"DiaphragmNum", L(5)}, {"TBeamLength", N(29.96)}});
    p.add("中梁尺寸信息表",
          {{"TBeamType", T("T30S")}, {"TBeamHeight", N(2)}, {"TopWidth", N(1.7)}, {"FlangeWidth", N(0.35)}});
    p.add("边梁尺寸信息表", {{"TBeamType", T("T30S")}, {"TBeamHeight", N(2.1)}, {"TopWidth1", N(0.9)},
                             {"TopWidth2", N(0.8)}, {"FlangeWidth1", N(0.2)}, {"FlangeWidth2", N(0.25)}});

    // Span 3: a continuous box with two equal elevation records in a row and its single-cell sections,
    // the support section twice in a row.
    for (int copy = 0; copy < 2; ++copy)
        p.add("连续等截面箱梁立面、平面信息表", {{"InWhichSpan", L(3)}, {"BoxLength", N(35.5)}, {"BoxHeight", N(2)},
                                                 {"DiaphragmWidthL", N(1.5)}, {"TransectType", T("单箱单室")}});
    p.add("单箱单室箱梁横断面信息表", {{"Position", T("3_跨中")}, {"TopWidth", N(12)}, {"TopDeckPly", N(0.25)}});
    for (int copy = 0; copy < 2; ++copy)
        p.add("单箱单室箱梁横断面信息表", {{"Position", T("3_支点")}, {"TopWidth", N(12)}, {"TopDeckPly", N(0.5)}});

    // Span 4: a simply supported variable-depth box of two single-cell boxes.
    p.add("简支变截面箱梁立面、平面信息表", {{"InWhichSpan", L(4)}, {"BoxLength", N(39.9)}, {"BoxEndHeight", N(2.2)},
                                             {"BoxCenterHeight", N(1.8)}, {"EndLineLength", N(3)},
                                             {"TransectType", T("多箱单室")}});
    p.add("多箱单室箱梁横断面信息表", {{"Position", T("4_跨中")}, {"BoxNumber", N(2)}, {"TopWidth", N(12.5)},
                                       {"SuspendWidth2", N(1.6)}, {"ConnectWidth1", N(0.45)}});

    // Supports: 0 a rib abutment on a pile cap and piles, 1 a column pier, 2 nothing.
    auto support = [&p](int n, const char* cap, const char* body, const char* connect, const char* foundation) {
        p.add("下构布置信息表", {{"PierAbutNum", L(n)}, {"BentCapType", T(cap)}, {"BodyType", T(body)},
                                 {"ConnectType", T(connect)}, {"FoundationType", T(foundation)}});
    };
    support(0, "1类台帽", "肋板式台身", "1类承台", "多排桩基础");
    support(1, "1类墩帽", "圆形截面柱式墩身", "系梁", "单排桩基础");
    support(2, "无", "无", "无", "无");
    p.add("桩柱式、肋板式桥台帽梁信息表",
          {{"PierAbutmentNum", L(0)}, {"CopingLength", N(12)}, {"WingWallType", T("悬臂式")}, {"BracketPos2", N(0.4)}});
    p.add("肋板式台身信息表", {{"PierAbutmentNum", L(0)}, {"RibSlabNum", L(3)}, {"RibSlabGradient", N(0.1)}});
    p.add("①类承台信息表", {{"PierAbutmentNum", L(0)}, {"BearingPlatLength", N(13)}, {"CrossAngle", N(90)}});
    p.add("多排桩基础信息表",
          {{"PierAbutmentNum", L(0)}, {"PileNumX", L(4)}, {"PileNumY", L(2)}, {"PilePosY", N(3.6)}});
    p.add("①类帽梁信息表", {{"PierAbutmentNum", L(1)}, {"CopingLength", N(11.8)}, {"RightFenderPosition", N(0.3)}});
    p.add("圆形截面柱式墩身信息表", {{"PierAbutmentNum", L(1)}, {"PierColumnNum", L(2)}, {"SectionDiameter", N(1.2)},
                                     {"PierColumnLength", N(8)}, {"SpaceBetween", N(5.5)}});
    p.add("系梁信息表", {{"PierAbutmentNum", L(1)}, {"ConBeamWidth", N(0.8)}, {"ConBeamHeight", N(1)}});
    p.add("单排桩基础信息表", {{"PierAbutmentNum", L(1)}, {"PileNum", L(2)}, {"PileDiameter", N(1.5)},
                               {"PileLength", N(30)}, {"SpaceBetween", N(5.5)}});

    // A design module fills every field of a member; the fields not given above hold 0 or "-".
    for (const auto& table : p.db().GetTableDefs()) {
        if (table.isSystem()) continue;
        for (const auto& field : p.db().GetTableDef(table.m_strName).fields)
            p.db().Execute("UPDATE " + dao::QuoteIdentifier(table.m_strName) + " SET " +
                           dao::QuoteIdentifier(field.m_strName) + (field.m_nType == dao::dbText ? " = '-'" : " = 0") +
                           " WHERE " + dao::QuoteIdentifier(field.m_strName) + " IS NULL");
    }
}

std::vector<std::vector<std::string>> LibraryRecords(const std::string& path, const std::string& table) {
    auto db = dao::Database::Open(path, true);
    dao::Recordset set(*db);
    set.Open("Select * From " + dao::QuoteIdentifier(table));
    std::vector<std::vector<std::string>> records;
    for (; !set.IsEOF(); set.MoveNext()) {
        std::vector<std::string> record;
        for (int i = 0; i < set.GetFieldCount(); ++i)
            record.push_back(set.GetFieldInfo(i).m_strName + "=" + projectdb::VariantToText(set.GetFieldValue(i)));
        records.push_back(record);
    }
    return records;
}

std::vector<std::string> LibraryTables(const std::string& path) {
    auto db = dao::Database::Open(path, true);
    std::vector<std::string> names;
    for (const auto& t : db->GetTableDefs())
        if (!t.isSystem()) names.push_back(t.m_strName);
    return names;
}

}  // namespace library_test
