// SPDX-License-Identifier: GPL-3.0-or-later
// funcurve-cli render: runs the window's own operations offscreen, in the order given, and
// writes what they produced (pictures, point file, printed lines, status caption).
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/InterruptCleanup.h"
#include "cli/OffscreenPlugin.h"
#include "cli/OutputTarget.h"
#include "cli/RenderJob.h"
#include "cli/RenderRun.h"
#include "cli/Subcommand.h"
#include "presets/Presets.h"
#include "shell/HeadlessControls.h"
#include "shell/MessageBox.h"
#include "shell/WindowCore.h"
#include "texts/Texts.h"

namespace {

// %1: the preset names, from the preset table.
const char* const kSummaryZh =
    "在不显示窗口的情况下按顺序执行窗口的操作并输出结果。步骤：--a/--b 设参数框，--x/--y/--t "
    "FROM,TO 设范围框，--draw 方程 绘制图像，--preset 名称 按预设按钮（%1），--join "
    "连点成线，--coord1/--coord2 坐标系，--grid 网格线，--clear 清除，--test "
    "测试，--undo 撤销，--redo 重做，--view X0,X1,Y0,Y1 "
    "视图（其后的步骤画在此视图中），--equal-units 等比例，--size W,H "
    "画布的像素大小（200 到 4000，在所有步骤之前）。输出：--png 画布图片，--svg 矢量图，--points "
    "点文件副本，--formula/--legend "
    "公式与图例文字，--key-points 关键点（种类、x、y、曲线编号，以制表符分隔），--status "
    "在标准输出打印状态，--scale N（1 到 4）按 N 倍分辨率重绘 "
    "PNG。消息框的文字以 message: 文字 写到标准错误。";
const char* const kSummaryEn =
    "Run the window's operations offscreen, in the order given, and write what they produced. "
    "Steps: --a/--b set the parameter boxes, --x/--y/--t FROM,TO the range boxes, --draw "
    "EQUATION plots, --preset NAME presses a preset button, --join, --coord1, --coord2, --grid, "
    "--clear, --test press those buttons, --undo and --redo take back or put back the last "
    "drawn item, --view X0,X1,Y0,Y1 sets the view the steps after "
    "it draw in, --equal-units gives both axes the same unit, --size W,H the canvas size "
    "in pixels (200 to 4000, before every step). Outputs: --png canvas pixels, --svg vector "
    "drawing, "
    "--points copy of CoordinateData.txt, --formula/--legend printed text lines, "
    "--key-points the key points (KIND, X, Y, CURVES, tab-separated), --status "
    "prints the status caption, --scale N (1 to 4) redraws the PNG at N times the resolution. "
    "Message boxes go to stderr as message: TEXT.";

// What only the command's own help adds: the order of outputs, the files and the status.
const char* const kDetailsZh =
    "每个输出都是它前面的步骤执行完后的快照，所以一条命令可以输出多个阶段。文件名 - "
    "表示标准输出（它、/dev/stdout 与 --status "
    "只能用一个）；设备和命名管道直接写入；普通文件（符号链接则为其目标）"
    "在新内容完整写好后才替换。每次运行的点文件放在自己的临时文件夹里，运行结束即删除。"
    "--a/--b/--x/--y/--t 的值与窗口离开该框时一样检查，不通过则显示消息并结束运行。"
    "以 -- 开头的值须写成 --a=值。\n"
    "退出状态：0 全部完成且没有消息框；3 出现了消息框（文字写到标准错误），"
    "或 --points 的副本不完整（绘图时点文件没有写完）；"
    "1 有输出无法写入（优先于 3）；2 用法错误（未执行任何步骤）。";
const char* const kDetailsEn =
    "Each output is a snapshot of the state after the steps given before it, so one command can "
    "write several stages. The file name - is standard output (one of -, /dev/stdout and --status "
    "at most); devices and named "
    "pipes are written into; a regular file (or a symbolic link's target) is replaced only once "
    "its new contents are complete. Each run keeps its point file in a temporary folder of its "
    "own, removed at exit. --a/--b/--x/--y/--t values are checked as when the window's box is "
    "left; a failed check shows its messages and ends the run. A value that starts with -- must "
    "be written --a=VALUE.\n"
    "Exit status: 0 every step ran and no message box was shown; 3 a message box was shown (its "
    "text on stderr), or a --points copy is incomplete (the plot's point file stopped early); 1 an "
    "output could not be written (this wins over 3); 2 usage error, before "
    "any step runs.";

std::string SummaryZh() {
    std::string names;
    for (const std::string_view name : presets::PresetNames())
        names += (names.empty() ? "" : " ") + std::string(name);
    return texts::Fill(kSummaryZh, {names});
}

void PrintUsageError(const std::string& error) {
    std::fprintf(stderr,
                 "funcurve-cli render: %s（用法 / usage: funcurve-cli render [STEP|OUTPUT]...，"
                 "详见 / see: funcurve-cli render --help）\n",
                 error.c_str());
}

void PrintRenderHelp() {
    std::printf("用法 / Usage: funcurve-cli render %s\n\n%s\n%s\n\n%s\n%s\n",
                cli::render::kSynopsis, SummaryZh().c_str(), kDetailsZh, kSummaryEn, kDetailsEn);
}

// Qt warns on stderr when no runtime folder is set (usual in batch jobs and CI); give it the
// private folder it would pick anyway, so that stderr carries only our messages.
void UsePrivateRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const std::string folder = "/tmp/runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && info.st_uid == ::getuid()) {
        ::chmod(folder.c_str(), 0700);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
    }
}

constexpr std::size_t kPointFileBlock = 64 * 1024;

// Present only in sanitizer builds.
extern "C" __attribute__((weak)) void __lsan_do_leak_check();

// Qt's teardown (font caches, plugins, the libraries' destructors) is a few percent of a small
// render and leaves nothing a caller sees: once the outputs are closed and the private folder is
// gone, the process ends at once. Sanitizer builds still look for leaks first.
[[noreturn]] void EndProcess(int status) {
    std::fflush(nullptr);
    if (__lsan_do_leak_check) __lsan_do_leak_check();
    ::_exit(status);
}

// The exit status of a job that ran: a missing output matters more to a script than a
// message box; an incomplete point copy is written and said, like a message.
int ExitStatus(const cli::render::RunOutcome& outcome, int messagesShown) {
    if (!outcome.allWritten) return 1;
    return messagesShown > 0 || !outcome.allComplete ? 3 : 0;
}

// The window's core on this run's own point folder, its controls plain texts: no output shows
// a control, so none is built. No one else reads that folder, so its point records are
// written in blocks rather than one write each. Picture1 records what it draws on the canvas
// (only what is visible, so the record stays small) for the SVG and for a sharp --scale. None
// when the job failed (the reason is on stderr).
std::optional<cli::render::RunOutcome> RunWindowCore(const cli::render::Job& job,
                                                     const QString& pointFolder) {
    shell::HeadlessControls controls;
    shell::WindowCore core(QCoreApplication::applicationDirPath(), controls.controls());
    core.start();
    core.setPointFolder(pointFolder, QStringLiteral("CoordinateData.txt"));
    core.plotContext().pointFileBlock = kPointFileBlock;
    cli::render::SetInterruptCleanupFile(core.pointFilePath());
    try {
        return cli::render::RunJob(core, controls, job);
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "funcurve-cli render: %s\n", fault.what());
        return std::nullopt;
    }
}

// Each font engine copies a table of about 400 KB and frees it at once. Above glibc's default
// threshold every copy is a fresh mapping whose pages all fault in, 10 µs each on a virtual
// machine; from the heap, the next copy reuses the pages of the last.
void ReuseFreedMemory() {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 16 << 20);
}

// The pictures need a graphical application; without a display of the caller's choice it runs
// offscreen, so batches work on machines without a desktop. Ends the process once the job ran.
int RunInApplication(const cli::render::Job& job) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeFolder();
    ReuseFreedMemory();
    static int argc = 1;
    static char name[] = "funcurve-cli";
    static char* argv[] = {name, nullptr};
    std::optional<cli::render::OffscreenPluginOnly> plugin(std::in_place);
    QGuiApplication app(argc, argv);
    plugin.reset();
    // The platform is loaded. Every picture is written by our own or Qt's built-in encoders,
    // yet Qt's PNG writer would load each image plugin to ask whether it would rather write PNG:
    // none is looked for.
    QCoreApplication::setLibraryPaths({});
    // Parallel runs must never share a point file, nor see one an earlier run left.
    QTemporaryDir pointFolder(QDir::tempPath() + QStringLiteral("/funcurve-render-XXXXXX"));
    if (!pointFolder.isValid()) {
        std::fprintf(stderr, "funcurve-cli render: %s: %s\n",
                     texts::Fill(texts::kCliNoTemporaryFolder, {}).c_str(),
                     pointFolder.errorString().toLocal8Bit().constData());
        return 1;
    }
    int messagesShown = 0;
    shell::SetMessageHandler([&messagesShown](const QString& text) {
        ++messagesShown;
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
        std::fflush(stderr);
    });
    cli::render::ArmInterruptCleanup(pointFolder.path());
    const auto outcome = RunWindowCore(job, pointFolder.path());
    cli::render::DisarmInterruptCleanup();
    shell::SetMessageHandler({});
    pointFolder.remove();
    EndProcess(outcome ? ExitStatus(*outcome, messagesShown) : 1);
}

int RunRender(const std::vector<std::string>& args) {
    const cli::render::Parsed parsed = cli::render::ParseArguments(args);
    if (parsed.help) {
        PrintRenderHelp();
        return 0;
    }
    if (!parsed.error.empty()) {
        PrintUsageError(parsed.error);
        return 2;
    }
    // Now that the paths can be looked at: /dev/stdout, or the file stdout goes to, is "-".
    if (cli::render::StandardOutputUses(parsed.job, cli::render::NamesStandardOutput) > 1) {
        PrintUsageError(texts::Fill(texts::kCliOneStdout, {}));
        return 2;
    }
    return RunInApplication(parsed.job);
}

const bool registered = cli::RegisterSubcommand({
    "render",
    cli::render::kSynopsis,
    SummaryZh(),
    kSummaryEn,
    RunRender,
});

}  // namespace
