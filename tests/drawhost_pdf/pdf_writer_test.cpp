// The PDF writer on small fixed sheets, read back by an independent reader (poppler's pdfinfo and
// pdftotext): one page per sheet at the sheet's paper size, and the texts extractable as text.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "pdf_writer.h"
#include "sheet_painter.h"
#include "support/test_support.h"

namespace {

using namespace drawhost;

// The standard output of a command, empty when it cannot run.
std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool HasPoppler() { return !Output("command -v pdftotext pdfinfo").empty(); }

SheetGeometry Sheet(double width, double height, const std::string& title) {
    SheetGeometry sheet;
    sheet.width = width;
    sheet.height = height;
    SheetPainter p(sheet);
    p.AddLayer("OUTLINE", 7, LineStyle::Continuous, 0.7);
    p.AddLayer("CENTER", 1, LineStyle::Center, 0.18);
    p.AddLayer("TEXT", 7);
    p.UseLayer("OUTLINE");
    p.Rect({10, 10}, {width - 10, height - 10});
    p.Arc({50, 50}, 10, 0, 90);
    p.UseLayer("CENTER");
    p.Line({20, 20}, {120, 20});
    p.UseLayer("TEXT");
    p.Text({width / 2, height / 2}, 7, title, HAlign::Centre);
    p.Text({30, 40}, 3.5, "K1+230.000", HAlign::Left);
    p.Text({20, 60}, 3.5, "1号墩", HAlign::Left, 90);
    return sheet;
}

TEST(PdfWriter, OnePagePerSheetAtItsPaperSizeWithSelectableText) {
    if (!HasPoppler()) GTEST_SKIP() << "pdftotext/pdfinfo (poppler-utils) not installed: scripts/setup-deps.sh";
    testing_support::TempDir dir;
    const std::string path = dir.file("set.pdf");
    WritePdf({Sheet(420, 297, "桥型布置图"), Sheet(297, 210, "第二张图")}, "桥型布置图", path);

    const std::string info = Output("pdfinfo -l 2 '" + path + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    // 420 × 297 mm is 1190.55 × 841.89 pt, 297 × 210 mm is 841.89 × 595.28 pt: landscape A3, then A4.
    EXPECT_NE(info.find("Page    1 size:  1191 x 842 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    2 size:  842 x 595 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           桥型布置图"), std::string::npos) << info;

    const std::string first = Output("pdftotext -f 1 -l 1 '" + path + "' -");
    const std::string second = Output("pdftotext -f 2 -l 2 '" + path + "' -");
    EXPECT_NE(first.find("桥型布置图"), std::string::npos) << first;
    EXPECT_NE(first.find("K1+230.000"), std::string::npos) << first;
    EXPECT_EQ(first.find("第二张图"), std::string::npos) << first;
    EXPECT_NE(second.find("第二张图"), std::string::npos) << second;
}

TEST(PdfWriter, NothingToWriteOrNowhereToWriteIsAClearError) {
    testing_support::TempDir dir;
    const struct {
        std::vector<SheetGeometry> sheets;
        std::string path, says;
    } cases[] = {{{}, dir.file("empty.pdf"), "没有可写入"},
                 {{Sheet(420, 297, "图")}, dir.file("missing/folder/x.pdf"), "不能写入 PDF 文件"}};
    for (const auto& c : cases) {
        try {
            WritePdf(c.sheets, "图", c.path);
            ADD_FAILURE() << c.path << " written";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(c.path));
    }
}

}  // namespace
