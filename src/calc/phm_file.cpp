#include "calc/phm_file.h"

#include <cmath>
#include <cstdio>

#include "platform/text/cformat.h"
#include "platform/text/gbk_file.h"

namespace calc {
namespace {

constexpr std::size_t kHeaderSize = 4 + 4 + 8 + 8 + 4;
// Fixed part of a pier record (up to and including both section types) and the smallest section record.
constexpr std::size_t kPierFixedSize = 8 + 4 + 8 + 8 + 4 + 4 + 8 * 10 + 4 + 4;
constexpr std::size_t kSmallestPierSize = kPierFixedSize + 8;

void WritePier(LeWriter& out, const CPier& p) {
    out.Float64(p.m_dStake);
    out.Int32(p.m_nColumns);
    out.Float64(p.m_dHeight);
    out.Float64(p.m_dE);
    out.Int32(p.m_nGrade);
    out.Int32(p.m_nBearings);
    out.Float64(p.m_dBearingHeight);
    out.Float64(p.m_dBearingArea);
    out.Float64(p.m_dShearModulus);
    out.Float64(p.m_dK);
    out.Float64(p.m_dKc);
    out.Float64(p.m_dKb);
    out.Float64(p.m_dFt);
    out.Float64(p.m_dMt);
    out.Float64(p.m_dFb);
    out.Float64(p.m_dMb);
    // A pier always has a section; one without (never written by the windows) is stored as a zero rectangle.
    CRectang none;
    const CCrossection& section = p.m_pSection ? *p.m_pSection : none;
    out.Int32(section.m_nType);
    section.Serialize(out);
}

// Every float of a pier must be a number for the list and the report to show numbers.
bool PierFinite(const CPier& p) {
    for (double v : {p.m_dStake, p.m_dHeight, p.m_dE, p.m_dBearingHeight, p.m_dBearingArea, p.m_dShearModulus,
                     p.m_dK, p.m_dKc, p.m_dKb, p.m_dFt, p.m_dMt, p.m_dFb, p.m_dMb})
        if (!std::isfinite(v)) return false;
    if (auto* c = dynamic_cast<const CCircle*>(p.m_pSection.get())) return std::isfinite(c->m_dD);
    if (auto* r = dynamic_cast<const CRectang*>(p.m_pSection.get()))
        return std::isfinite(r->m_dW) && std::isfinite(r->m_dH);
    return true;
}

}  // namespace

std::string PhmBytes(const CProject& project) {
    LeWriter out;
    out.Int32(project.m_nLanes);
    out.Int32(project.m_nGrade);
    out.Float64(project.m_dAlpha);
    out.Float64(project.m_dDeltaT);
    out.Int32(static_cast<std::int32_t>(project.m_Piers.size()));
    for (const auto& pier : project.m_Piers) WritePier(out, pier);
    return out.bytes();
}

bool ParsePhm(const std::string& bytes, CProject& project, std::string& error) {
    LeReader in(bytes);
    CProject read;
    read.m_nLanes = in.Int32();
    read.m_nGrade = in.Int32();
    read.m_dAlpha = in.Float64();
    read.m_dDeltaT = in.Float64();
    int count = in.Int32();
    if (in.failed()) {
        error = text::Format("文件长度只有%d字节，不是完整的桥墩水平力计算文件。", static_cast<int>(bytes.size()));
        return false;
    }
    if (!std::isfinite(read.m_dAlpha) || !std::isfinite(read.m_dDeltaT)) {
        error = "温胀系数或温度变化不是有效的数值。";
        return false;
    }
    if (count < 0 || static_cast<std::size_t>(count) > in.remaining() / kSmallestPierSize) {
        error = text::Format("文件中的桥墩个数(%d)与文件长度不符。", count);
        return false;
    }
    read.m_Piers.resize(count);
    for (int i = 0; i < count; ++i) {
        CPier& p = read.m_Piers[i];
        p.m_dStake = in.Float64();
        p.m_nColumns = in.Int32();
        p.m_dHeight = in.Float64();
        p.m_dE = in.Float64();
        p.m_nGrade = in.Int32();
        p.m_nBearings = in.Int32();
        p.m_dBearingHeight = in.Float64();
        p.m_dBearingArea = in.Float64();
        p.m_dShearModulus = in.Float64();
        p.m_dK = in.Float64();
        p.m_dKc = in.Float64();
        p.m_dKb = in.Float64();
        p.m_dFt = in.Float64();
        p.m_dMt = in.Float64();
        p.m_dFb = in.Float64();
        p.m_dMb = in.Float64();
        int type = in.Int32();
        int repeated = in.Int32();
        if (in.failed()) break;
        p.m_pSection = CCrossection::Create(type);
        if (!p.m_pSection || repeated != type) {
            error = text::Format("%d号桥墩的截面类型(%d)无法识别。", i, p.m_pSection ? repeated : type);
            return false;
        }
        p.m_pSection->Load(in);
        if (in.failed()) break;
        if (!PierFinite(p)) {
            error = text::Format("%d号桥墩的数据不是有效的数值。", i);
            return false;
        }
    }
    if (in.failed()) {
        error = "文件在桥墩数据中间结束，文件不完整。";
        return false;
    }
    if (in.remaining() != 0) {
        error = text::Format("文件在%d个桥墩之后还有%d字节多余的数据。", count, static_cast<int>(in.remaining()));
        return false;
    }
    project = std::move(read);
    return true;
}

std::string ReportPathFor(const std::string& phmPath) {
    std::string base = phmPath.size() >= 4 ? phmPath.substr(0, phmPath.size() - 4) : phmPath;
    return base + ".out";
}

bool OpenPhm(const std::string& path, CProject& project, ::ui::Prompter& prompt) {
    if (path.find(".phm") == std::string::npos) {
        prompt.message("文件打开错误!");
        return false;
    }
    std::string bytes;
    if (!text::ReadFileBytes(path, bytes)) {
        prompt.message("数据文件不存在!");
        return false;
    }
    std::string error;
    if (!ParsePhm(bytes, project, error)) {
        prompt.message("桥墩水平力计算文件已损坏，不能读取!\n" + error + "\n" + path, ::ui::Buttons::Ok, ::ui::Icon::Stop);
        return false;
    }
    std::string problems = project.Recalculate();
    if (!problems.empty()) prompt.message(problems, ::ui::Buttons::Ok, ::ui::Icon::Exclamation);
    return true;
}

bool SavePhm(const std::string& path, const CProject& project, ::ui::Prompter& prompt) {
    return SavePhm(path, ReportPathFor(path), project, prompt);
}

bool SavePhm(const std::string& path, const std::string& reportPath, const CProject& project,
             ::ui::Prompter& prompt, bool* reportWritten) {
    if (reportWritten) *reportWritten = false;
    std::string bytes = PhmBytes(project);
    if (!text::ReplaceFileContents(path, bytes)) {
        prompt.message("文件保存错误，不能写入:\n" + path, ::ui::Buttons::Ok, ::ui::Icon::Stop);
        return false;
    }
    bool written = project.WriteReport(reportPath, prompt);
    if (reportWritten) *reportWritten = written;
    return true;
}

}  // namespace calc
