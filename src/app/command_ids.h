#pragma once
// Command and resource ids of the application shell.

namespace cmd {

// 项目
constexpr int kNew = 32772;
constexpr int kOpen = 32773;
constexpr int kSave = 32784;
constexpr int kSaveAs = 32785;
constexpr int kClose = 32934;
constexpr int kImport = 32911;         // import into the open project
constexpr int kImportProject = 32912;  // import a project as a new project
constexpr int kExportArvo3D = 33424;
constexpr int kExportKelsa = 33425;
constexpr int kBridgeCheck = 33600;  // 检查: the bridge model's findings
constexpr int kImportLandXml = 33610;  // the open exchange formats
constexpr int kExportLandXml = 33611;
constexpr int kExportIfc = 33612;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;  // the active grid window on paper
constexpr int kRecentFirst = 57616;  // recent projects: 57616 .. 57630
constexpr int kRecentCount = 15;
constexpr int kExit = 57665;

// 查看 / 设置
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kAdvancedUser = 32977;
constexpr int kDrawingTarget = 33009;
constexpr int kDrawingPreview = 32910;
constexpr int kView3d = 33620;  // 三维视图: the bridge model in 3D

// 总体信息
constexpr int kGeneralInfo = 32938;
constexpr int kSpanInfo = 32939;
constexpr int kDrawingInfo = 32940;

// 桥址信息
constexpr int kGroundLine = 32774;
constexpr int kDrill = 32775;
constexpr int kWater = 32776;
constexpr int kHorizontalCurves = 32786;
constexpr int kVerticalCurves = 32790;
constexpr int kDeckSlope = 32976;
constexpr int kRoadTable = 32975;
constexpr int kRouteGeometry = 33429;

// 结构信息
constexpr int kDesignSlab = 32803;
constexpr int kDesignTBeam = 32804;
constexpr int kDesignSUBox = 32805;
constexpr int kDesignSSBox = 32806;
constexpr int kDesignCUBox = 32807;
constexpr int kDesignCSBox = 32808;
constexpr int kDesignPierAbut = 32907;
constexpr int kPavement = 32809;
constexpr int kFence = 32900;
constexpr int kWalkway = 32901;
constexpr int kSubslab = 32902;
constexpr int kDrainage = 32903;
constexpr int kCrossway = 32904;
constexpr int kConeSlope = 32905;
constexpr int kRetainingWall = 32906;
constexpr int kAssembly = 32957;

// 构件库
constexpr int kLibraryBrowse = 32927;
constexpr int kLibraryWrite = 32928;
constexpr int kLibraryManage = 32962;
constexpr int kLibraryMerge = 32930;
constexpr int kLibraryClean = 32929;

// 钢筋图设计
constexpr int kRebarPrestressedTBeam = 33372;
constexpr int kRebarContinuousBox = 33454;
constexpr int kRebarCapBeam1 = 33453;
constexpr int kRebarCapBeam2 = 33455;
constexpr int kRebarCapBeam3 = 33456;
constexpr int kRebarCapBeam4 = 33457;
constexpr int kRebarEarWall = 33440;
constexpr int kRebarBackWall = 33441;
constexpr int kRebarPierBody1 = 32969;
constexpr int kRebarPierBody2 = 32971;
constexpr int kRebarPierBody3 = 32973;
constexpr int kRebarAbutBody1 = 32972;
constexpr int kRebarTieBeam = 33442;
constexpr int kRebarPileCap1 = 33446;
constexpr int kRebarPile = 33381;
constexpr int kRebarSpreadFooting = 33447;
constexpr int kRebarApproachSlab = 33448;

// 辅助计算
constexpr int kCircleDesign = 33462;
constexpr int kNonCircleDesign = 33464;
constexpr int kCircleCheck = 33463;
constexpr int kNonCircleCheck = 33465;
constexpr int kCrackDesign = 33466;
constexpr int kShearDesign = 33467;
constexpr int kPierForces = 33468;
constexpr int kPileDesign = 33469;
constexpr int kCulvert = 33470;
constexpr int kRunArvo3D = 33428;
constexpr int kRunKelsa = 33438;

// Without a menu entry.
constexpr int kSwitchToDrawing = 32802;
constexpr int kShrink = 32931;
constexpr int kRestore = 32932;
constexpr int kDrawingTargetCombo = 131;
constexpr int kDrawingRangeCombo = 133;

// 帮助
constexpr int kHelpTopics = 57667;
constexpr int kHelpContext = 57669;
constexpr int kHelpTask = 57670;
constexpr int kAbout = 57664;

// The window menu of the project menu bar.
constexpr int kWindowCascade = 57650;
constexpr int kWindowTile = 57651;

// Resources.
constexpr int kMenuNoProject = 140;
constexpr int kMenuProject = 148;
constexpr int kGridMenu = 186;

}  // namespace cmd
