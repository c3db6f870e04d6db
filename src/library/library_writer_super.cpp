// Superstructure entries: the row's four texts, then the member's sizes copied from its project record.
#include <cstdlib>
#include <utility>
#include <vector>

#include "library/library_schema.h"
#include "library/library_writer.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace library {
namespace {

// Library field <- project field.
using Mapping = std::vector<std::pair<const char*, const char*>>;

const Mapping kTBeamCommon = {
    {"梁长", "TBeamLength"},    {"C2", "DistToBearing"},  {"a", "TBeamPitch"},       {"E1", "DistToChangeSect"},
    {"E2", "ChangeSectLength"}, {"NG", "DiaphragmNum"},   {"C1", "DistToDiaphragm"}, {"TG", "DiaphragmTopPly"},
    {"BG", "DiaphragmBotPly"},  {"H", "TBeamHeight"},     {"H1", "EndFlangePly"},    {"H2", "CenterFlangePly"},
    {"H3", "RootFlangePly"},    {"GW", "DiaphragmWidth"}, {"HG", "DiaphragmHeight"}, {"P", "DiaphragmDim_P"},
    {"Q", "DiaphragmDim_Q"},    {"R", "DiaphragmDim_R"},  {"S", "DiaphragmDim_S"},   {"T", "DiaphragmDim_T"},
    {"U", "DiaphragmDim_U"},    {"V", "DiaphragmDim_V"},  {"W", "DiaphragmDim_W"},   {"H41", "BotFlangeHeight1"},
    {"H51", "ToeHeight1"},      {"BW1", "BottomWidth1"},  {"WW1", "WebWidth1"},      {"H42", "BotFlangeHeight2"},
    {"H52", "ToeHeight2"},      {"BW2", "BottomWidth2"},  {"WW2", "WebWidth2"},
};

const Mapping kSlabCommon = {
    {"板长", "SlabLength"},
    {"顶宽", "TopWidth"},
    {"底宽", "BottomWidth"},
    {"内腔类型", "CavityType"},
    {"内腔个数", "CavityNum"},
    {"内腔间距", "CavityDist"},
    {"支承线至板端距离", "DistToBearing"},
    {"锚栓孔直径", "KeyHoleDiameter"},
    {"斜度", "SlabPitch"},
    {"J1", "JointTopWidth"},
    {"J2", "JointTopHeight"},
    {"J3", "JointBotWidth"},
    {"J4", "JointBotHeight"},
    {"J5", "JointToeHeight"},
    {"CW", "CavityWidth"},
    {"CH", "CavityHeight"},
    {"TB", "CavityTopWidth"},
    {"TH", "CavityTopHeight"},
    {"BB", "CavityBotWidth"},
    {"BH", "CavityBotHeight"},
};

// The fillets of a box's cell and the skew of its ends, the same in every box table.
const Mapping kBoxFilletsAndSkew = {
    {"上梗肋长", "CavityTopWidth"},
    {"上梗肋高", "CavityTopHeight"},
    {"下梗肋长", "CavityBotWidth"},
    {"下梗肋高", "CavityBotHeight"},
    {"起点斜度", "StartPitch"},
    {"终点斜度", "EndPitch"},
};

Mapping Joined(Mapping first, const Mapping& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

const Mapping kSimpleBox = Joined(
    {
        {"梁长", "BoxLength"},
        {"支承线至梁端距离", "DistToBearing"},
        {"横隔板厚度", "DiaphragmWidth"},
        {"腹板变化段长度", "WebChangeSect"},
    },
    kBoxFilletsAndSkew);

const Mapping kSimpleVarBoxExtra = {
    {"支点梁高", "BoxEndHeight"},
    {"跨中梁高", "BoxCenterHeight"},
    {"支点等截面长度", "EndLineLength"},
    {"跨中等截面长度", "CenterLineLength"},
};

const Mapping kContConstBoxMap = Joined(
    {
        {"梁长", "BoxLength"},
        {"支承线至梁端距离", "DistToBearing"},
        {"起点横隔板厚度", "DiaphragmWidthL"},
        {"起点腹板变化段长度", "WebChangeSect1"},
        {"终点腹板变化段长度", "WebChangeSect2"},
        {"终点横隔板厚度", "DiaphragmWidthR"},
    },
    kBoxFilletsAndSkew);

const Mapping kContVarBoxMap = {
    {"梁长", "BoxLength"},
    {"起点梁高", "BoxEndHeightL"},
    {"终点梁高", "BoxEndHeightR"},
    {"跨中梁高", "BoxCenterHeight"},
    {"支承线至梁端距离", "DistToBearing"},
    {"起点横隔板厚度", "DiaphragmPlyL"},
    {"终点横隔板厚度", "DiaphragmPlyR"},
    {"起点腹板变化段长度", "WebChangeSect1"},
    {"终点腹板变化段长度", "WebChangeSect2"},
    {"起点等截面长度", "EndLineLengthL"},
    {"终点等截面长度", "EndLineLengthR"},
    {"跨中等截面长度", "CenterLineLength"},
    {"起点上梗肋长", "CavityTopWidth1"},
    {"起点上梗肋高", "CavityTopHeight1"},
    {"起点下梗肋长", "CavityBotWidth1"},
    {"起点下梗肋高", "CavityBotHeight1"},
    {"终点上梗肋长", "CavityTopWidth2"},
    {"终点上梗肋高", "CavityTopHeight2"},
    {"终点下梗肋长", "CavityBotWidth2"},
    {"终点下梗肋高", "CavityBotHeight2"},
    {"起点斜度", "StartPitch"},
    {"终点斜度", "EndPitch"},
};

// The three cross-section tables take those of these fields that they have.
const Mapping kCrossSection = {
    {"箱数", "BoxNumber"},
    {"室数", "BoxNumber"},
    {"顶宽", "TopWidth"},
    {"底宽", "BottomWidth"},
    {"底间距", "BottomSpace"},
    {"悬臂C1", "SuspendWidth1"},
    {"悬臂C2", "SuspendWidth2"},
    {"悬臂C3", "ConnectWidth1"},
    {"悬臂C4", "ConnectWidth2"},
    {"顶板厚TH", "TopDeckPly"},
    {"底板厚BH", "BottomDeckPly"},
    {"腹板厚W", "WebPly"},
    {"外腹板厚W", "OutWebPly"},
    {"中腹板厚Wc", "CenterWebPly"},
    {"悬臂厚H1", "SuspendHeight1"},
    {"悬臂厚H2", "SuspendHeight2"},
    {"悬臂厚H3", "SuspendHeight3"},
    {"悬臂厚H4", "SuspendHeight4"},
    {"左横坡iTL", "TopLeftSlope"},
    {"右横坡iTR", "TopRightSlope"},
    {"底横坡iB", "BottomSlope"},
    {"底横坡iBL", "BottomLeftSlope"},
    {"底横坡iBR", "BottomRightSlope"},
    {"内腔a", "CavityTopWidth"},
    {"内腔b", "CavityTopHeight"},
    {"内腔c", "CavityBotWidth"},
    {"内腔d", "CavityBotHeight"},
};

std::string Where(const std::string& table, const std::string& field, const std::string& literal) {
    const std::string quoted = dao::QuoteIdentifier(table);
    return text::Format("Select * From %s Where (((%s.%s)=%s))", quoted, quoted, field, literal);
}

[[noreturn]] void MissingMember(const std::string& table, const std::string& key) {
    throw dao::DaoException(dao::kErrNoCurrentRecord,
                            text::Format("项目的 %s 中找不到 %s 的记录，构件库未写入该构件。", table, key));
}

// The text without its last character (a character, not a byte: the names are Chinese).
std::string WithoutLastCharacter(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0) {
        --end;
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80) break;
    }
    return text.substr(0, end);
}

class EntryWriter {
public:
    EntryWriter(dao::Database& library, dao::Database& project, const UpperRow& row)
        : library_(library), source_(project), row_(row) {}

    void Write() {
        EnsureLibraryTable(library_, row_.family);
        dao::Recordset entry(library_);
        entry.Open(dao::QuoteIdentifier(row_.family));
        if (!entry.CanAppend()) return;
        entry.AddNew();
        entry_ = &entry;
        // Slab and beam entries are named by their type; every other family by the family itself.
        bool typed = row_.family == kHollowSlab || row_.family == kTBeam;
        Set(kNameField, dao::Value::Text(typed ? row_.type : row_.family));
        Set(kSpanField, dao::Value::Text(row_.length));
        Set(kDepthField, dao::Value::Text(row_.depth));
        Set(kWidthField, dao::Value::Text(row_.width));
        span_ = std::atoi(row_.span.c_str());
        if (row_.family == kTBeam) {
            TBeam();
        } else if (row_.family == kHollowSlab) {
            HollowSlab();
        } else if (IsCrossSectionKind(row_.family)) {
            CrossSection();
        } else {
            Elevation();
        }
        entry.Update();
    }

private:
    void Set(const std::string& field, const dao::Value& value) { entry_->SetFieldValue(field, value); }
    void Copy(dao::Recordset& from, const Mapping& mapping) {
        for (const auto& [to, field] : mapping) Set(to, from.GetFieldValue(field));
    }
    void CopyPresent(dao::Recordset& from, const Mapping& mapping) {
        for (const auto& [to, field] : mapping)
            if (entry_->FieldIndex(to) >= 0) Set(to, from.GetFieldValue(field));
    }
    static dao::Value Fixed(double value) { return dao::Value::Text(text::Format("%lf", value)); }

    // Opens the first of `tables` that holds a record for `literal` in `keyField`; returns its index.
    std::size_t OpenMember(dao::Recordset& from, const std::vector<const char*>& tables, const char* keyField,
                           const std::string& literal, const std::string& key) {
        for (std::size_t i = 0; i < tables.size(); ++i) {
            if (!source_.HasTableDef(tables[i])) continue;
            from.Close();
            from.Open(Where(tables[i], keyField, literal));
            if (!from.IsEOF()) return i;
        }
        MissingMember(tables.back(), key);
    }

    // Opens the size record of the row's type in the middle or the side members' table; true for a side member.
    bool OpenSizes(dao::Recordset& from, const char* middleTable, const char* sideTable, const char* keyField) {
        return OpenMember(from, {middleTable, sideTable}, keyField, dao::QuoteLiteral(row_.type), row_.type) == 1;
    }

    void TBeam() {
        dao::Recordset from(source_);
        // A type present in both size tables is a middle beam.
        const bool side = OpenSizes(from, projectdb::kInsideTBeamTable, projectdb::kOutsideTBeamTable, "TBeamType");
        Copy(from, kTBeamCommon);
        if (side) {
            double w1 = from.GetFieldValue("TopWidth1").toDouble(), w2 = from.GetFieldValue("TopWidth2").toDouble();
            Set("TW", Fixed(w1 + w2));
            Set("TW1", Fixed(w1));
            Set("TW2", Fixed(w2));
            Copy(from, {{"FW1", "FlangeWidth1"}, {"FW2", "FlangeWidth2"}});
        } else {
            double w = from.GetFieldValue("TopWidth").toDouble();
            Set("TW", Fixed(w));
            Set("TW1", Fixed(w * 0.5));
            Set("TW2", Fixed(w * 0.5));
            Copy(from, {{"FW1", "FlangeWidth"}, {"FW2", "FlangeWidth"}});
        }
    }

    void HollowSlab() {
        dao::Recordset from(source_);
        const bool side = OpenSizes(from, projectdb::kInsideSlabTable, projectdb::kOutsideSlabTable, "SlabType");
        Copy(from, kSlabCommon);
        if (side) {
            Copy(from, {{"S1", "SuspendEndHeight"}, {"S2", "SuspendHeight"}, {"S3", "SuspendWidth"}});
        } else {
            for (const char* field : {"S1", "S2", "S3"}) Set(field, dao::Value::Text("0"));
        }
    }

    void Elevation() {
        const char* table = row_.family == kSimpleConstBox ? projectdb::kSimpleConstBoxTable
                            : row_.family == kSimpleVarBox ? projectdb::kSimpleVarBoxTable
                            : row_.family == kContConstBox ? projectdb::kContConstBoxTable
                                                           : projectdb::kContVarBoxTable;
        dao::Recordset from(source_);
        OpenMember(from, {table}, "InWhichSpan", std::to_string(span_), text::Format("第 %d 跨", span_));
        if (row_.family == kSimpleConstBox) {
            Copy(from, kSimpleBox);
        } else if (row_.family == kSimpleVarBox) {
            Copy(from, kSimpleBox);
            Copy(from, kSimpleVarBoxExtra);
        } else if (row_.family == kContConstBox) {
            Copy(from, kContConstBoxMap);
        } else {
            Copy(from, kContVarBoxMap);
        }
    }

    void CrossSection() {
        const std::string table = projectdb::CrossSectionTableOf(row_.family);
        const std::string position = text::Format("%d_%s", span_, row_.type);
        dao::Recordset from(source_);
        OpenMember(from, {table.c_str()}, "Position", dao::QuoteLiteral(position), position);
        Set(kPositionField, dao::Value::Text(row_.type));
        CopyPresent(from, kCrossSection);
        // A span the layout no longer holds leaves 用于 empty.
        dao::Recordset span(source_);
        span.Open(Where(projectdb::kSuperSpanTable, "SpanNumber", std::to_string(span_)));
        if (!span.IsEOF())
            Set(kUsedForField, dao::Value::Text(WithoutLastCharacter(span.GetFieldValue("StructureType").toString())));
    }

    dao::Database& library_;
    dao::Database& source_;
    const UpperRow& row_;
    dao::Recordset* entry_ = nullptr;
    int span_ = 0;
};

}  // namespace

void WriteSuperstructureEntry(dao::Database& library, dao::Database& project, const UpperRow& row) {
    EntryWriter(library, project, row).Write();
}

}  // namespace library
