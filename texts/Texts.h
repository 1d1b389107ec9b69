// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the window and the companion show a user, in one place, as the error table
// holds the error texts. A new message gets its line here, in its section; "%1", "%2" … mark
// where a caller fills in a name, a number or a file (QString::arg or texts::Fill).

#include <initializer_list>
#include <string>
#include <string_view>

namespace texts {

// --- Status line -----------------------------------------------------------------------
inline constexpr const char* kStatusIdle = "◇状态";
inline constexpr const char* kStatusBusy = "◇正在处理 ……";
inline constexpr const char* kStatusBusyBlink = "◇正在处理 ";
inline constexpr const char* kStatusDone = "◇处理完毕！";
inline constexpr const char* kStatusCancelled = "◇取消";
inline constexpr const char* kStatusNothingToJoin = "◇无须连点成线";
// %1 the point file of a window that is not the first of its folder.
inline constexpr const char* kStatusOwnPointFile = "◇点文件 %1";

// --- Window, menus and dialogs ---------------------------------------------------------
inline constexpr const char* kApplicationTitle = "函数曲线作图器";  // title of every message box
inline constexpr const char* kHelpWindowTitle = "Quillmere工作室 提示：";
inline constexpr const char* kMenuCopyPicture = "复制图像";
inline constexpr const char* kMenuSavePicture = "保存图像…";
inline constexpr const char* kActionUndo = "撤销";
inline constexpr const char* kActionRedo = "重做";
inline constexpr const char* kActionExportPdf = "导出 PDF…";
inline constexpr const char* kActionPrint = "打印…";
inline constexpr const char* kActionMulticolour = "多色曲线";
inline constexpr const char* kActionLightGrid = "浅色网格（打印用）";
inline constexpr const char* kPrintDialogTitle = "打印";
inline constexpr const char* kSuggestedWorksheetName = "函数图像.pdf";
inline constexpr const char* kPdfFilter = "PDF 文件 (*.pdf)";
inline constexpr const char* kSaveDialogTitle = "保存图像";
// The menu bar; text after a tab is shown as the item's key.
inline constexpr const char* kMenuFile = "文件";
inline constexpr const char* kMenuEdit = "编辑";
inline constexpr const char* kMenuHelp = "帮助";
inline constexpr const char* kActionQuit = "退出";
inline constexpr const char* kActionHelp = "说明\tF1";
inline constexpr const char* kActionAbout = "关于";
inline constexpr const char* kAboutText =
    "函数曲线作图器\n中学数学的函数曲线作图程序。\n按 F1 查看说明。";
inline constexpr const char* kSuggestedPictureName = "函数图像.png";
inline constexpr const char* kPngFilter = "PNG 图片 (*.png)";
inline constexpr const char* kSvgFilter = "SVG 矢量图 (*.svg)";

// --- Key points (关键点) and the table of values (数值表) ------------------------------------
inline constexpr const char* kMenuKeyPoints = "关键点…";
inline constexpr const char* kMenuValueTable = "数值表…";
inline constexpr const char* kKeyPointsTitle = "关键点";
inline constexpr const char* kKeyZero = "零点";
inline constexpr const char* kKeyYIntercept = "与y轴交点";
inline constexpr const char* kKeyExtremum = "极值点";
inline constexpr const char* kKeyIntersection = "交点";
inline constexpr const char* kKeyColumnKind = "类型";
inline constexpr const char* kKeyColumnCurves = "曲线";
inline constexpr const char* kKeyShowRings = "在画布上标出";
inline constexpr const char* kKeyNone = "画布上没有可求关键点的曲线。";
inline constexpr const char* kKeyCurveName = "%1：%2";  // number and legend line
inline constexpr const char* kCopy = "复制";
inline constexpr const char* kClose = "关闭";
inline constexpr const char* kTableTitle = "数值表";
inline constexpr const char* kTableCurve = "曲线";
inline constexpr const char* kTableFrom = "起点";
inline constexpr const char* kTableStep = "步长";
inline constexpr const char* kTableCount = "行数";
inline constexpr const char* kTableSaveCsv = "保存为 CSV…";
inline constexpr const char* kTableCsvFilter = "CSV 文件 (*.csv)";
inline constexpr const char* kTableSuggestedName = "数值表.csv";
inline constexpr const char* kTableNoCurve = "画布上没有 y= 形式的曲线或预设曲线。";
inline constexpr const char* kTableBadNumber = "“%1”应为一个数。";
inline constexpr const char* kTableBadCount = "行数应为 1 到 %1 之间的整数。";
inline constexpr const char* kSnappedReadOut = "( %1, %2 ) %3";  // the curve's point, its line
inline constexpr const char* kCannotSaveTable = "无法保存数值表：\n%1\n%2";

// --- Box checks (leaving a parameter or range box) --------------------------------------
// The range messages end in a blank, as they always have.
inline constexpr const char* kBoxNotNumber = "不是数字";
inline constexpr const char* kBoxAOutOfRange = "a的取值超限：-10 < a < 10 ";
inline constexpr const char* kBoxBOutOfRange = "b的取值超限：-10 < b < 10 ";
inline constexpr const char* kBoxRangeOutOfRange = "取值超限：-9 < 取值 < 9 ";

// --- Preset guards ----------------------------------------------------------------------
inline constexpr const char* kPresetFailed = "出错";
inline constexpr const char* kPresetNotZero = "不能为0";
inline constexpr const char* kPresetANotWhole = "a的取值超出整数范围";
inline constexpr const char* kPresetBNotWhole = "b的取值超出整数范围";
inline constexpr const char* kPresetBRoundsToZero = "b取整后不能为0";
inline constexpr const char* kPresetLogBase = "a大于0且不等于1";

// --- Plots and run-time errors ------------------------------------------------------------
// %1 the equation (shortened), %2 the first error's text.
inline constexpr const char* kEmptyPlot = "方程“%1”没有画出任何点。\n第一个错误：%2";
// %1 the equation (shortened), %2..%5 the edges of the canvas's view.
inline constexpr const char* kPlotOutOfView = "方程“%1”的图像不在画布范围内（%2≤x≤%3，%4≤y≤%5）。";
// Found before a plot starts, which then does not start. %1 the name as typed.
inline constexpr const char* kUnknownName = "方程中的“%1”既不是变量也不是函数。";
// %1 the equation (shortened), %2 the place in characters from 1, %3 the character or name.
inline constexpr const char* kSyntaxErrorAt = "方程“%1”有语法错误：第 %2 个字符“%3”。";
inline constexpr const char* kInvalidCharacterAt =
    "方程“%1”有语法错误：第 %2 个字符“%3”是无效字符。";
inline constexpr const char* kMissingBefore = "方程“%1”有语法错误：第 %2 个字符“%3”之前缺少内容。";
inline constexpr const char* kMissingAfter = "方程“%1”有语法错误：第 %2 个字符“%3”之后缺少内容。";
inline constexpr const char* kErrorNumber = "错误 %1";  // an error without a text
inline constexpr const char* kRuntimeError = "运行时错误 %1：%2";
inline constexpr const char* kRunFailed = "运行出错：%1";

// --- Files ------------------------------------------------------------------------------
inline constexpr const char* kFileTooLarge = "文件“%1”太大（超过 %2 MB），没有读入。";
inline constexpr const char* kHelpFileMissing =
    "找不到帮助文件“说明.txt”。\n它应当和本程序放在同一个文件夹里：\n%1";
inline constexpr const char* kCannotSavePicture = "无法保存图像：\n%1\n%2";  // %2 the reason
// Below the help text when the files are not beside the program: %1 examples, %2 point file.
inline constexpr const char* kHelpFileLocations =
    "\r\n——\r\n例子文件：%1\r\n本窗口的点文件：%2\r\n";
// %1 the point file, %2 the system's reason.
inline constexpr const char* kPointFileCut =
    "点文件没有写完整：\n%1\n%2\n其中缺少这次绘图的一部分点，连点成线只会连接已写入的点。";
inline constexpr const char* kNotARegularFile = "这个名字已被文件夹、管道或设备占用";
inline constexpr const char* kHelpFileNotRegular =
    "帮助文件“说明.txt”不是普通文件（而是文件夹、管道或设备），没有读入：\n%1";

// --- The companion funcurve-cli -------------------------------------------------------------
// Its messages go to scripts and people alike: Chinese, then English.
struct Bilingual {
    const char* zh;
    const char* en;
};
inline constexpr Bilingual kCliMissingValue{"缺少 %1 的值", "missing value for %1"};
inline constexpr Bilingual kCliValueLooksLikeOption{
    "缺少 %1 的值（%2 是选项；以 -- 开头的值请写成 %1=值）",
    "missing value for %1 (%2 is an option; write a value that starts with -- as %1=VALUE)"};
inline constexpr Bilingual kCliTakesNoValue{"选项不带值：%1", "option takes no value: %1"};
inline constexpr Bilingual kCliUnknownOption{"未知选项：%1", "unknown option: %1"};
inline constexpr Bilingual kCliUnexpectedArgument{"多余的参数：%1", "unexpected argument: %1"};
inline constexpr Bilingual kCliNeedsFileName{"%1 需要文件名", "%1 needs a file name"};
inline constexpr Bilingual kCliScaleRange{"--scale 需要 1 到 4", "--scale needs 1 to 4"};
inline constexpr Bilingual kCliViewNeeds{
    "--view 需要 X0,X1,Y0,Y1（X0<X1，Y0<Y1，不超过 ±1000000）",
    "--view needs X0,X1,Y0,Y1 (X0<X1, Y0<Y1, within +-1000000)"};
inline constexpr Bilingual kCliSizeNeeds{"--size 需要 W,H（200 到 4000 像素）",
                                         "--size needs W,H (200 to 4000 pixels)"};
inline constexpr Bilingual kCliUnknownPreset{"未知的预设：%1", "unknown preset: %1"};
inline constexpr Bilingual kCliNeedsRange{"%1 需要 FROM,TO", "%1 needs FROM,TO"};
inline constexpr Bilingual kCliNoStep{"没有步骤", "no step given"};
inline constexpr Bilingual kCliNoOutput{"没有输出", "no output given"};
inline constexpr Bilingual kCliOneStdout{
    "只能有一个输出写到标准输出（--status、- 或 /dev/stdout）",
    "only one output may go to standard output (--status, - or /dev/stdout)"};
inline constexpr Bilingual kCliLetNeedsAssignment{"--let 需要 NAME=NUMBER",
                                                  "--let needs NAME=NUMBER"};
inline constexpr Bilingual kCliUnknownSubcommand{"未知子命令", "unknown subcommand"};
inline constexpr Bilingual kCliCannotWrite{"无法写入", "cannot write"};
inline constexpr Bilingual kCliCannotRead{"无法读取", "cannot read"};
// %1 the copy, %2 the system's reason the plot's point file stopped.
inline constexpr Bilingual kCliPointsIncomplete{
    "副本不完整，绘图时点文件没有写完（%2）：%1",
    "the copy is incomplete, the plot's point file stopped early (%2): %1"};
inline constexpr Bilingual kCliNoTemporaryFolder{"无法建立临时文件夹",
                                                 "cannot make a temporary folder"};
inline constexpr Bilingual kNoDisplay{
    "没有可用的图形显示（DISPLAY 未设置）。",
    "no graphical display (DISPLAY is not set). Run it on a desktop, or under xvfb-run, or with "
    "QT_QPA_PLATFORM=offscreen."};
inline constexpr Bilingual kCliTableNeedsGraph{"数值表只用于 y= 形式的方程：%1",
                                               "a table of values needs a y= equation: %1"};
inline constexpr Bilingual kCliTableNotANumber{"%1 后应为一个数：%2", "%1 needs a number: %2"};
inline constexpr Bilingual kCliTableBadCount{"行数应为 1 到 %1 之间的整数：%2",
                                             "the count must be a whole number from 1 to %1: %2"};
inline constexpr Bilingual kCliTableTooFar{"起点和步长使 x 超出数值范围",
                                           "from and step take x beyond the number range"};
inline constexpr Bilingual kCliTableOneEquation{"需要且只需要一个方程",
                                                "exactly one equation is needed"};

// --- View of the canvas -----------------------------------------------------------------
inline constexpr const char* kViewMenu = "视图";
inline constexpr const char* kViewZoomIn = "放大";
inline constexpr const char* kViewZoomOut = "缩小";
inline constexpr const char* kViewReset = "还原视图";
inline constexpr const char* kViewEqualUnits = "等比例";
inline constexpr const char* kViewPiTicks = "x 轴以 π/2 为刻度";

// Replaces %1, %2 … (up to %9) in text by the given arguments.
inline std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : 99;
        if (text[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Both languages filled in, joined as the companion prints them: "中文 / English".
inline std::string Fill(const Bilingual& text, std::initializer_list<std::string_view> args) {
    return Fill(text.zh, args) + " / " + Fill(text.en, args);
}

}  // namespace texts
