#include "exchange/interface_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>

#include "exchange/interface_output.h"
#include "exchange/operation_summary.h"
#include "exchange/substructure_blocks.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk_file.h"
#include "projectdb/precast_tables.h"

namespace exchange {
namespace {

constexpr const char* kSuperLayout = "上构布置信息表";
constexpr const char* k7 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf";
constexpr const char* k8 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf";

struct Section {
    dao::Value structureType;
    int spans = 0;
};

// Road cross-section; returns the superelevation transition method for the cross-fall section.
std::string WriteRoad(InterfaceOutput& out) {
    out.comment("//路幅参数");
    std::string method;
    out.guarded("一般信息表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("一般信息表");
        const auto& r = t.record(0);
        dao::Value split = dao::Value::Long(t.field(r, "TransectType").toString() == "整体式" ? 0 : 1);
        std::vector<dao::Value> widths;
        for (const char* name : {"LeftBridgeWidth", "RightBridgeWidth", "DividerWidth", "Dist3"})
            widths.push_back(dao::Value::Double(t.field(r, name).toDouble() * 100));
        out.line("%d %10.3lf %10.3lf %10.3lf %10.3lf", {&split, &widths[0], &widths[1], &widths[2], &widths[3]});
        method = t.field(r, "超高过渡方法").toString();
    });
    return method;
}

void WriteAlignment(InterfaceOutput& out, const std::string& method) {
    out.comment("//桥面平曲线");
    out.guarded("平曲线资料表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("平曲线资料表");
        out.comment(text::Format("%d", static_cast<int>(t.size())));
        for (std::size_t i = 0; i < t.size(); ++i) {
            dao::Value number = dao::Value::Long(static_cast<int>(i + 1));
            std::vector<const dao::Value*> values{&number};
            for (std::size_t p = 1; p <= 13; ++p) values.push_back(&t.at(t.record(i), p));
            out.line(
                "%d %8s %4s %10.3lf %12.3lf %12.3lf %12.8lf %10.3lf %12.3lf %12.3lf %12.8lf %10.3lf %10.3lf %10.3lf",
                values);
        }
    });
    out.comment("//桥面竖曲线");
    out.guarded("竖曲线资料表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("竖曲线资料表");
        out.comment(text::Format("%d", static_cast<int>(t.size())));
        for (std::size_t i = 0; i < t.size(); ++i) {
            const auto& r = t.record(i);
            out.line("%10.3lf %10.3lf %10.3lf", {&t.at(r, 0), &t.at(r, 1), &t.at(r, 2)});
        }
    });
    out.comment("//行车道横坡段落及超高方式");
    out.comment(method);
    out.guarded("桥面横坡资料表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("桥面横坡资料表");
        out.comment(text::Format("%10d", static_cast<int>(t.size())));
        for (std::size_t i = 0; i < t.size(); ++i)
            out.line({"%10.3lf %10.3lf %10.3lf %10.3lf", {"起点桩号", "终点桩号", "左半桥横坡", "右半桥横坡"}}, t,
                     t.record(i));
    });
    out.comment("//锥坡");
    out.guarded("锥坡信息表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("锥坡信息表");
        out.line({"%10.3lf %10.3lf %10.3lf", {"DistToAbutEnd", "RatioAlong", "RatioAcross"}}, t, t.record(0));
    });
}

std::vector<Section> WriteSpans(InterfaceOutput& out) {
    out.comment("//分段布孔");
    int sectSum = 0;
    out.guarded("桥孔划分信息表", [&] {
        projectdb::TableSnapshot& t = out.tables().get("桥孔划分信息表");
        const auto& r = t.record(0);
        out.line({"%10d %10.3lf %10.3lf", {"SectSum", "StartStake", "CrossAngle"}}, t, r);
        sectSum = static_cast<int>(t.field(r, "SectSum").toDouble());
    });
    std::vector<Section> sections;
    out.guarded(kSuperLayout, [&] {
        projectdb::TableSnapshot& t = out.tables().get(kSuperLayout);
        for (int k = 0; k < sectSum; ++k) {
            const auto& r = t.record(k);
            out.line({"%10d %18s %10d %10.3lf", {"SectNumber", "StructureType", "SpansInSect", "SpanLength"}}, t, r);
            sections.push_back({t.field(r, "StructureType"), static_cast<int>(t.field(r, "SpansInSect").toDouble())});
        }
    });
    return sections;
}

// The lines of a member found by one key field, under the block's table name.
void MemberLines(InterfaceOutput& out, const char* table, const char* keyField, const dao::Value& key,
                 const std::vector<LineLayout>& lines) {
    out.guarded(table, [&] {
        projectdb::TableSnapshot& t = out.tables().get(table);
        out.lines(lines, t, t.firstWhere(keyField, key));
    });
}

void WriteCrossSections(InterfaceOutput& out, int span, const std::string& type) {
    struct Shape {
        const char* table;
        std::vector<LineLayout> lines;
    };
    static const std::map<std::string, Shape> shapes{
        {"单箱单室",
         {"单箱单室箱梁横断面信息表",
          {{k7, {"TopWidth", "BottomWidth", "SuspendWidth1", "SuspendWidth2", "TopDeckPly", "BottomDeckPly", "WebPly"}},
           {k7,
            {"SuspendHeight1", "SuspendHeight2", "SuspendHeight3", "TopLeftSlope", "TopRightSlope", "BottomSlope",
             "CavityTopWidth"}},
           {"%10.3lf %10.3lf %10.3lf", {"CavityTopHeight", "CavityBotWidth", "CavityBotHeight"}}}}},
        {"单箱多室",
         {"单箱多室箱梁横断面信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"BoxNumber", "TopWidth", "BottomWidth", "SuspendWidth1", "SuspendWidth2", "TopDeckPly", "BottomDeckPly"}},
           {k7,
            {"OutWebPly", "CenterWebPly", "SuspendHeight1", "SuspendHeight2", "SuspendHeight3", "TopLeftSlope",
             "TopRightSlope"}},
           {"%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"BottomSlope", "CavityTopWidth", "CavityTopHeight", "CavityBotWidth", "CavityBotHeight"}}}}},
        {"多箱单室",
         {"多箱单室箱梁横断面信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"BoxNumber", "TopWidth", "BottomWidth", "BottomSpace", "SuspendWidth1", "SuspendWidth2", "ConnectWidth1"}},
           {k7,
            {"ConnectWidth2", "TopDeckPly", "BottomDeckPly", "WebPly", "SuspendHeight1", "SuspendHeight2",
             "SuspendHeight3"}},
           {k7,
            {"SuspendHeight4", "TopLeftSlope", "TopRightSlope", "BottomLeftSlope", "BottomRightSlope", "CavityTopWidth",
             "CavityTopHeight"}},
           {"%10.3lf %10.3lf", {"CavityBotWidth", "CavityBotHeight"}}}}},
    };
    auto shape = shapes.find(type);
    for (const char* place : {"跨中", "支点"}) {
        out.comment(std::string("//") + place);
        if (shape == shapes.end()) continue;
        dao::Value key = dao::Value::Text(text::Format("%d_", span) + place);
        MemberLines(out, shape->second.table, "Position", key, shape->second.lines);
    }
}

struct BoxKind {
    const char* structureType;
    const char* title;
    const char* table;
    bool continuous;
    std::vector<LineLayout> lines;
};

const std::vector<BoxKind>& BoxKinds() {
    static const std::vector<BoxKind> kinds{
        {"简支等截面箱梁桥",
         "简支等截面箱梁",
         "简支等截面箱梁立面、平面信息表",
         false,
         {{k7,
           {"BoxLength", "BoxHeight", "DistToBearing", "DiaphragmWidth", "WebChangeSect", "CavityTopWidth",
            "CavityTopHeight"}},
          {"%10.3lf %10.3lf %10.3lf %10.3lf %10s",
           {"CavityBotWidth", "CavityBotHeight", "StartPitch", "EndPitch", "TransectType"}}}},
        {"简支变截面箱梁桥",
         "简支变截面箱梁",
         "简支变截面箱梁立面、平面信息表",
         false,
         {{k7,
           {"BoxLength", "BoxEndHeight", "BoxCenterHeight", "EndLineLength", "CenterLineLength", "DistToBearing",
            "DiaphragmWidth"}},
          {k7,
           {"WebChangeSect", "CavityTopWidth", "CavityTopHeight", "CavityBotWidth", "CavityBotHeight", "StartPitch",
            "EndPitch"}},
          {"%10s", {"TransectType"}}}},
        {"连续等截面箱梁桥",
         "连续等截面箱梁",
         "连续等截面箱梁立面、平面信息表",
         true,
         {{"%10s %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
           {"Position", "BoxLength", "BoxHeight", "DistToBearing", "DiaphragmWidthL", "WebChangeSect1",
            "WebChangeSect2"}},
          {k7,
           {"DiaphragmWidthR", "CavityTopWidth", "CavityTopHeight", "CavityBotWidth", "CavityBotHeight", "StartPitch",
            "EndPitch"}},
          {"%10s", {"TransectType"}}}},
        {"连续变截面箱梁桥",
         "连续变截面箱梁",
         "连续变截面箱梁立面、平面信息表",
         true,
         {{"%10s %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
           {"Position", "BoxLength", "BoxEndHeightL", "BoxEndHeightR", "BoxCenterHeight", "DistToBearing",
            "DiaphragmPlyL"}},
          {k7,
           {"DiaphragmPlyR", "WebChangeSect1", "WebChangeSect2", "EndLineLengthL", "EndLineLengthR", "CenterLineLength",
            "CavityTopWidth1"}},
          {k7,
           {"CavityTopHeight1", "CavityBotWidth1", "CavityBotHeight1", "CavityTopWidth2", "CavityTopHeight2",
            "CavityBotWidth2", "CavityBotHeight2"}},
          {"%10.3lf %10.3lf %10s", {"StartPitch", "EndPitch", "TransectType"}}}},
    };
    return kinds;
}

void WriteBoxSpan(InterfaceOutput& out, const BoxKind& kind, int span) {
    out.comment("//立面、平面信息");
    std::string crossSection;
    out.guarded(kind.table, [&] {
        projectdb::TableSnapshot& t = out.tables().get(kind.table);
        const auto& r = t.firstWhere("InWhichSpan", dao::Value::Long(span));
        out.lines(kind.lines, t, r);
        crossSection = t.field(r, "TransectType").toString();
    });
    WriteCrossSections(out, span, crossSection);
}

// Hollow slabs and T-beams: the layout of the first span, then the inner and outer member.
struct BeamKind {
    const char* title;
    const projectdb::PrecastTables& tables;
    const char* innerTitle;
    std::vector<LineLayout> innerLines;
    const char* outerTitle;
    std::vector<LineLayout> outerLines;
};

const BeamKind& HollowSlab() {
    static const BeamKind kind{
        "空心板",
        projectdb::kHollowSlabTables,
        "//中板尺寸",
        {{k7, {"SlabLength", "DistToBearing", "SlabPitch", "KeyHoleDiameter", "Height", "BottomWidth", "TopWidth"}},
         {"%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10s %10d",
          {"JointTopWidth", "JointTopHeight", "JointBotWidth", "JointBotHeight", "JointToeHeight", "CavityType",
           "CavityNum"}},
         {k7,
          {"CavityDist", "CavityWidth", "CavityHeight", "CavityTopWidth", "CavityTopHeight", "CavityBotWidth",
           "CavityBotHeight"}}},
        "//边板尺寸",
        {{k7, {"SlabLength", "DistToBearing", "SlabPitch", "KeyHoleDiameter", "Height", "BottomWidth", "TopWidth"}},
         {k7,
          {"JointTopWidth", "JointTopHeight", "JointBotWidth", "JointBotHeight", "JointToeHeight", "SuspendEndHeight",
           "SuspendHeight"}},
         {"%10.3lf %10s %10d %10.3lf %10.3lf %10.3lf %10.3lf",
          {"SuspendWidth", "CavityType", "CavityNum", "CavityDist", "CavityWidth", "CavityHeight", "CavityTopWidth"}},
         {"%10.3lf %10.3lf %10.3lf", {"CavityTopHeight", "CavityBotWidth", "CavityBotHeight"}}},
    };
    return kind;
}

const BeamKind& TBeam() {
    const char* line1 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10d %10.3lf";
    std::vector<const char*> line1Fields{"TBeamLength",      "DistToBearing", "TBeamPitch",     "DistToChangeSect",
                                         "ChangeSectLength", "DiaphragmNum",  "DistToDiaphragm"};
    LineLayout line4{k7,
                     {"DiaphragmDim_T", "DiaphragmDim_U", "DiaphragmDim_V", "DiaphragmDim_W", "BotFlangeHeight1",
                      "ToeHeight1", "BottomWidth1"}};
    LineLayout line5{"%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
                     {"WebWidth1", "BotFlangeHeight2", "ToeHeight2", "BottomWidth2", "WebWidth2"}};
    static const BeamKind kind{
        "T梁",
        projectdb::kTBeamTables,
        "//中梁尺寸",
        {{line1, line1Fields},
         {k7,
          {"DiaphragmTopPly", "DiaphragmBotPly", "TopWidth", "TBeamHeight", "EndFlangePly", "CenterFlangePly",
           "RootFlangePly"}},
         {k7,
          {"FlangeWidth", "DiaphragmWidth", "DiaphragmHeight", "DiaphragmDim_P", "DiaphragmDim_Q", "DiaphragmDim_R",
           "DiaphragmDim_S"}},
         line4,
         line5},
        "//边梁尺寸",
        {{line1, line1Fields},
         {k8,
          {"DiaphragmTopPly", "DiaphragmBotPly", "TopWidth1", "TopWidth2", "TBeamHeight", "EndFlangePly",
           "CenterFlangePly", "RootFlangePly"}},
         {k8,
          {"FlangeWidth1", "FlangeWidth2", "DiaphragmWidth", "DiaphragmHeight", "DiaphragmDim_P", "DiaphragmDim_Q",
           "DiaphragmDim_R", "DiaphragmDim_S"}},
         line4,
         line5},
    };
    return kind;
}

void WriteBeams(InterfaceOutput& out, const BeamKind& kind, int section, int span) {
    out.comment(text::Format("//第%d段:", section) + kind.title);
    out.comment("//布置信息");
    dao::Value innerType, outerType;
    out.guarded(kind.tables.layoutTable, [&] {
        projectdb::TableSnapshot& t = out.tables().get(kind.tables.layoutTable);
        const auto& r = t.firstWhere(kind.tables.spanField, dao::Value::Long(span));
        out.line({"%10d %10.3lf %10.3lf", {kind.tables.countField, "TransverseDist", "TransverseSlope"}}, t, r);
        innerType = t.field(r, kind.tables.innerTypeField);
        outerType = t.field(r, kind.tables.outerTypeField);
    });
    out.comment(kind.innerTitle);
    MemberLines(out, kind.tables.innerTable, kind.tables.typeField, innerType, kind.innerLines);
    out.comment(kind.outerTitle);
    MemberLines(out, kind.tables.outerTable, kind.tables.typeField, outerType, kind.outerLines);
}

void WriteSuperstructure(InterfaceOutput& out, const std::vector<Section>& sections) {
    out.comment("//上部构造");
    int firstSpan = 1;
    for (std::size_t k = 1; k <= sections.size(); ++k) {
        const Section& section = sections[k - 1];
        std::string type = section.structureType.toString();
        if (type == "装配式简支空心板桥") {
            WriteBeams(out, HollowSlab(), static_cast<int>(k), firstSpan);
        } else if (type == "装配式简支T梁桥") {
            WriteBeams(out, TBeam(), static_cast<int>(k), firstSpan);
        } else {
            for (const BoxKind& kind : BoxKinds()) {
                if (type != kind.structureType) continue;
                out.comment(text::Format("//第%d段:", static_cast<int>(k)) + kind.title);
                if (!kind.continuous) {
                    WriteBoxSpan(out, kind, firstSpan);
                } else {
                    for (int n = firstSpan; n < firstSpan + section.spans; ++n) {
                        out.comment(text::Format("//第%d跨:", n));
                        WriteBoxSpan(out, kind, n);
                    }
                }
            }
        }
        firstSpan += section.spans;
    }
}

// Writes what was built, whole or up to a No, in place of the file at `path`.
InterfaceOutcome Finish(const InterfaceOutput& out, const std::string& path, bool complete, ui::Prompter& prompt) {
    if (!text::ReplaceFileContents(path, out.bytes())) {
        prompt.message(FileFailedMessage(path), ui::Buttons::Ok, ui::Icon::Exclamation);
        return InterfaceOutcome::FileFailed;
    }
    return complete ? InterfaceOutcome::Complete : InterfaceOutcome::Stopped;
}

// A read-only file is not to be replaced, although the folder would let us put another in its place. Its
// write permission bits decide, so that the owner's "read-only" holds for every user alike.
bool IsReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// A file that cannot be created is found before any question is asked.
bool CanCreate(const std::string& path, ui::Prompter& prompt) {
    std::string probe = IsReadOnlyFile(path) ? std::string() : text::CreateFileBeside(path);
    if (probe.empty()) {
        prompt.message(FileFailedMessage(path), ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    std::remove(probe.c_str());
    return true;
}

template <class Body>
InterfaceOutcome WriteFile(dao::Database& db, const std::string& path, ui::Prompter& prompt, Body&& body) {
    if (!CanCreate(path, prompt)) return InterfaceOutcome::FileFailed;
    InterfaceOutput out(db, prompt);
    bool complete = true;
    try {
        body(out);
        out.comment("//数据传递完毕");
    } catch (const StopWriting&) {
        complete = false;
    }
    return Finish(out, path, complete, prompt);
}

}  // namespace

InterfaceOutcome WriteArvo3dFile(dao::Database& db, const std::string& path, ui::Prompter& prompt) {
    return WriteFile(db, path, prompt, [](InterfaceOutput& out) {
        out.comment("//LumarisOmbrix与桥梁三维造型CAD系统之间的数据接口文件Arvo3D.BRI");
        std::string method = WriteRoad(out);
        WriteAlignment(out, method);
        std::vector<Section> sections = WriteSpans(out);
        WriteSuperstructure(out, sections);
        WriteSubstructure(out, SubstructureOptions::Arvo3d());
        WriteAssembly(out, SubstructureOptions::Arvo3d());
    });
}

InterfaceOutcome WriteKelsaFile(dao::Database& db, const std::string& path, ui::Prompter& prompt) {
    return WriteFile(db, path, prompt, [](InterfaceOutput& out) {
        out.comment("//LumarisOmbrix与桥梁下部构造施工图CAD系统之间的数据接口文件Kelsa.BRI");
        WriteSubstructure(out, SubstructureOptions::Kelsa());
        WriteAssembly(out, SubstructureOptions::Kelsa());
    });
}

ui::FileRequest Arvo3dSaveRequest() {
    return ui::SaveFileRequest("输出桥梁三维造型CAD接口文件", "bri", "桥梁三维造型CAD接口文件 (*.bri)|*.bri||",
                               "Arvo3D.bri");
}

ui::FileRequest KelsaSaveRequest() {
    return ui::SaveFileRequest("输出下部构造施工图CAD接口文件", "bri", "桥梁下构施工图CAD接口文件 (*.bri)|*.bri||",
                               "Kelsa.bri");
}

bool RunInterfaceExport(InterfaceFile file, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompt,
                        std::string* summary) {
    bool arvo = file == InterfaceFile::Arvo3d;
    std::string path = files.choose(arvo ? Arvo3dSaveRequest() : KelsaSaveRequest());
    if (path.empty()) return false;
    auto outcome = arvo ? WriteArvo3dFile(db, path, prompt) : WriteKelsaFile(db, path, prompt);
    if (outcome != InterfaceOutcome::Complete) return false;
    prompt.message(InterfaceWrittenSummary(file, path), ui::Buttons::Ok, ui::Icon::Information);
    if (summary) *summary = InterfaceWrittenSummary(file, path);
    return true;
}

std::string CannotOpenQuestion(const std::string& table) { return "不能打开 [" + table + "]。是否继续？"; }

std::string FileFailedMessage(const std::string& path) { return "无法创建文件 " + path + "。"; }

}  // namespace exchange
