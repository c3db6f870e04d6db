#include "app/menus.h"

#include "app/command_ids.h"

namespace {

MenuEntry Item(int id) {
    MenuEntry e;
    e.id = id;
    return e;
}

MenuEntry Of(MenuEntry::Kind kind) {
    MenuEntry e;
    e.kind = kind;
    return e;
}

MenuEntry Popup(std::string text, std::vector<MenuEntry> children) {
    MenuEntry e = Of(MenuEntry::Popup);
    e.text = std::move(text);
    e.children = std::move(children);
    return e;
}

MenuEntry HelpPopup() { return Popup("帮助(&H)", {Item(cmd::kHelpTopics), Item(cmd::kAbout)}); }

}  // namespace

const std::vector<MenuEntry>& NoProjectMenu() {
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew), Item(cmd::kOpen), Item(cmd::kImportProject), Of(MenuEntry::Separator),
                           Item(cmd::kPrintSetup), Of(MenuEntry::Separator), Of(MenuEntry::RecentFiles),
                           Of(MenuEntry::Separator), Item(cmd::kExit)}),
        Popup("查看(&V)", {Item(cmd::kViewToolbar), Item(cmd::kViewStatusBar)}),
        HelpPopup(),
    };
    return menu;
}

const std::vector<MenuEntry>& ProjectMenu() {
    const MenuEntry separator = Of(MenuEntry::Separator);
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew), Item(cmd::kOpen), Item(cmd::kImport), Item(cmd::kSave), Item(cmd::kSaveAs),
                           Item(cmd::kClose), separator, Item(cmd::kExportArvo3D), Item(cmd::kExportKelsa), separator,
                           Item(cmd::kImportLandXml), Item(cmd::kExportLandXml), Item(cmd::kExportIfc), separator,
                           Item(cmd::kBridgeCheck), Item(cmd::kPrint), separator,
                           Of(MenuEntry::RecentFiles), separator, Item(cmd::kExit)}),
        Popup("设置(&S)", {Item(cmd::kViewToolbar), Item(cmd::kViewStatusBar), separator, Item(cmd::kAdvancedUser),
                           separator, Item(cmd::kDrawingTarget), Item(cmd::kDrawingPreview)}),
        Popup("总体信息(&A)", {Item(cmd::kGeneralInfo), Item(cmd::kSpanInfo), Item(cmd::kDrawingInfo)}),
        Popup("桥址信息(&I)", {Item(cmd::kGroundLine), Item(cmd::kDrill), Item(cmd::kWater), separator,
                               Item(cmd::kHorizontalCurves), Item(cmd::kVerticalCurves), Item(cmd::kDeckSlope),
                               Item(cmd::kRoadTable), separator, Item(cmd::kRouteGeometry)}),
        Popup("结构信息(&T)",
              {Popup("上部构造", {Item(cmd::kDesignSlab), Item(cmd::kDesignTBeam), Item(cmd::kDesignSUBox),
                                  Item(cmd::kDesignSSBox), Item(cmd::kDesignCUBox), Item(cmd::kDesignCSBox)}),
               Popup("下部构造", {Item(cmd::kDesignPierAbut)}),
               Popup("附属构造",
                     {Item(cmd::kPavement), Item(cmd::kFence), Item(cmd::kWalkway), Item(cmd::kSubslab),
                      Item(cmd::kDrainage), Item(cmd::kCrossway), Item(cmd::kConeSlope), Item(cmd::kRetainingWall)}),
               separator, Item(cmd::kAssembly)}),
        Popup("构件库(&C)", {Item(cmd::kLibraryBrowse), Item(cmd::kLibraryWrite), Item(cmd::kLibraryManage), separator,
                             Item(cmd::kLibraryMerge), Item(cmd::kLibraryClean)}),
        Popup("钢筋图设计(&D)", {Item(cmd::kRebarPrestressedTBeam), Item(cmd::kRebarContinuousBox), separator,
                                 Popup("帽梁钢筋布置", {Item(cmd::kRebarCapBeam1), Item(cmd::kRebarCapBeam2),
                                                        Item(cmd::kRebarCapBeam3), Item(cmd::kRebarCapBeam4), separator,
                                                        Item(cmd::kRebarEarWall), Item(cmd::kRebarBackWall)}),
                                 Popup("墩台身钢筋布置", {Item(cmd::kRebarPierBody1), Item(cmd::kRebarPierBody2),
                                                          Item(cmd::kRebarPierBody3), Item(cmd::kRebarAbutBody1)}),
                                 Popup("连接构造钢筋布置", {Item(cmd::kRebarTieBeam)}),
                                 Popup("基础钢筋布置", {Item(cmd::kRebarPileCap1), Item(cmd::kRebarPile),
                                                        Item(cmd::kRebarSpreadFooting)}),
                                 Popup("附属构造钢筋布置", {Item(cmd::kRebarApproachSlab)})}),
        Popup("辅助计算(&O)", {Item(cmd::kCircleDesign), Item(cmd::kNonCircleDesign), Item(cmd::kCircleCheck),
                               Item(cmd::kNonCircleCheck), Item(cmd::kCrackDesign), Item(cmd::kShearDesign), separator,
                               Item(cmd::kPierForces), Item(cmd::kPileDesign), Item(cmd::kCulvert), separator,
                               Item(cmd::kRunArvo3D), Item(cmd::kRunKelsa)}),
        Popup("窗口(&W)", {Item(cmd::kWindowCascade), Item(cmd::kWindowTile), separator, Of(MenuEntry::WindowList)}),
        HelpPopup(),
    };
    return menu;
}
