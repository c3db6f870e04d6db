// The interface library's ResetData: the 3D-model interface file becomes the modeller's data file, each
// value named by its place; an incomplete or missing interface file gives no data file and says why.
#include <gtest/gtest.h>

#include "platform/interaction/scripted.h"
#include "platform/modules/module_loader.h"
#include "platform/text/gbk.h"
#include "support/test_support.h"

namespace {

using ResetDataEntry = int (*)(const char*, const char*);
using PrompterHook = void (*)(ui::Prompter*);

std::string Gbk(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += text::ToGbk(line) + "\r\n";
    return bytes;
}

class InterfaceTest : public ::testing::Test {
protected:
    InterfaceTest() : loader(VELTRA_MODULES_DIR) {
        long error = 0;
        library = loader.Load("Interface.dll", error);
        EXPECT_TRUE(library) << error;
        reinterpret_cast<PrompterHook>(library->Resolve("SetModulePrompter"))(&prompter);
        reset = reinterpret_cast<ResetDataEntry>(library->Resolve("ResetData"));
    }
    int Reset(const std::vector<std::string>& interfaceLines) {
        testing_support::WriteBytes(bri, Gbk(interfaceLines));
        return reset(bri.c_str(), b3d.c_str());
    }

    testing_support::TempDir dir;
    std::string bri = dir.file("Arvo3D.BRI"), b3d = dir.file("Arvo3D.B3D");
    modules::SharedLibraryLoader loader;
    std::unique_ptr<modules::LoadedModule> library;
    ui::ScriptedPrompter prompter;
    ResetDataEntry reset = nullptr;
};

TEST_F(InterfaceTest, EveryDataLineIsNamedByItsSectionSpanSupportAndLabel) {
    ASSERT_EQ(Reset({"//LumarisOmbrix与桥梁三维造型CAD系统之间的数据接口文件Arvo3D.BRI",
                     "//路幅参数",
                     "0   1250.000   1250.000      0.000      0.000",
                     "//上部构造",
                     "//第1段:连续等截面箱梁",
                     "//第4跨:",
                     "//立面、平面信息",
                     "      边跨     29.980",
                     "//跨中",
                     "    12.500      7.000",
                     "//第5跨:",
                     "//立面、平面信息",
                     "      中跨     30.000",
                     "//下部构造",
                     "//0号墩台组成",
                     "0  1000.000              2类台帽",
                     "//重力式U型桥台帽梁",
                     "    12.500      1.000",
                     "//上、下部构造之间的装配关系",
                     "//竖向关系",
                     "         0    150.000    100.000",
                     "//数据传递完毕"}),
              1);
    EXPECT_EQ(testing_support::ReadBytes(b3d),
              Gbk({"//Arvo3D数据文件", "[路幅参数]", "路幅参数\t0\t1250.000\t1250.000\t0.000\t0.000", "[上部构造]",
                   "第1段:连续等截面箱梁/第4跨:/立面、平面信息\t边跨\t29.980",
                   "第1段:连续等截面箱梁/第4跨:/跨中\t12.500\t7.000",
                   "第1段:连续等截面箱梁/第5跨:/立面、平面信息\t中跨\t30.000", "[下部构造]",
                   "0号墩台组成\t0\t1000.000\t2类台帽", "0号墩台组成/重力式U型桥台帽梁\t12.500\t1.000",
                   "[上、下部构造之间的装配关系]", "竖向关系\t0\t150.000\t100.000"}));
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(InterfaceTest, AnIncompleteOrMissingInterfaceFileGivesNoDataFile) {
    struct Case {
        std::vector<std::string> lines;  // empty: no interface file at all
        std::string message;
    };
    const Case cases[] = {
        {{"//LumarisOmbrix与桥梁三维造型CAD系统之间的数据接口文件Arvo3D.BRI", "//路幅参数"},
         "接口文件 " + bri + " 不完整，未能生成三维造型数据文件。"},
        {{"//LumarisOmbrix与桥梁下部构造施工图CAD系统之间的数据接口文件Kelsa.BRI", "//数据传递完毕"},
         "接口文件 " + bri + " 不完整，未能生成三维造型数据文件。"},
        {{}, "找不到接口文件 " + bri + "，未能生成三维造型数据文件。"},
    };
    for (const auto& c : cases) {
        prompter.clear();
        std::filesystem::remove(bri);
        std::filesystem::remove(b3d);
        int result = c.lines.empty() ? reset(bri.c_str(), b3d.c_str()) : Reset(c.lines);
        EXPECT_EQ(result, 0);
        EXPECT_FALSE(std::filesystem::exists(b3d));
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.message});
    }
}

}  // namespace
