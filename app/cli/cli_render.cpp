// funcurve-cli render: runs the window's own operations offscreen, in the order given, and
// writes what they produced (pictures, point file, printed lines, status caption).
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "cli/cli_render_job.h"
#include "cli/cli_render_run.h"
#include "shell/FunCurveWindow.h"
#include "shell/MessageBox.h"

namespace {

const char* const kSummaryZh =
    "在不显示窗口的情况下按顺序执行窗口的操作并输出结果。步骤：--a/--b 设参数框，--x/--y/--t "
    "FROM,TO 设范围框，--draw 方程 绘制图像，--preset 名称 按预设按钮（line paowu mihanshu1 "
    "mihanshu2 zhishu duishu fanbili zhengxian yuxian zhengqie yuqie tuoyuan shuang1 "
    "shuang2），--join 连点成线，--coord1/--coord2 坐标系，--grid 网格线，--clear 清除，--test "
    "测试。输出：--png 画布图片，--svg 矢量图，--points 点文件副本，--formula/--legend "
    "公式与图例文字，--status 在标准输出打印状态，--scale N（1 到 4）按 N 倍分辨率重绘 "
    "PNG。消息框的文字以 message: 文字 写到标准错误。";
const char* const kSummaryEn =
    "Run the window's operations offscreen, in the order given, and write what they produced. "
    "Steps: --a/--b set the parameter boxes, --x/--y/--t FROM,TO the range boxes, --draw "
    "EQUATION plots, --preset NAME presses a preset button, --join, --coord1, --coord2, --grid, "
    "--clear, --test press those buttons. Outputs: --png canvas pixels, --svg vector drawing, "
    "--points copy of CoordinateData.txt, --formula/--legend printed text lines, --status "
    "prints the status caption, --scale N (1 to 4) redraws the PNG at N times the resolution. "
    "Message boxes go to stderr as message: TEXT.";

void PrintUsageError(const std::string& error) {
    std::fprintf(stderr,
                 "funcurve-cli render: %s（用法 / usage: funcurve-cli render STEP... OUTPUT...，"
                 "详见 / see: funcurve-cli render --help）\n",
                 error.c_str());
}

void PrintRenderHelp() {
    std::printf("用法 / Usage: funcurve-cli render %s\n\n%s\n\n%s\n", cli::render::kSynopsis,
                kSummaryZh, kSummaryEn);
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

// The window needs an application; without a display of the caller's choice it runs
// offscreen, so batches work on machines without a desktop.
int RunJob(const cli::render::Job& job) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeFolder();
    static int argc = 1;
    static char name[] = "funcurve-cli";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    shell::SetMessageHandler([](const QString& text) {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
        std::fflush(stderr);
    });
    int status = 0;
    {
        shell::frmFunCurve window(QCoreApplication::applicationDirPath(), nullptr,
                                  shell::frmFunCurve::PlotTrace::On);
        window.setEndProgram([] {});
        try {
            cli::render::RunSteps(window, job.steps);
            status = cli::render::WriteOutputs(window, job.outputs) ? 0 : 1;
        } catch (const std::exception& fault) {
            std::fprintf(stderr, "funcurve-cli render: %s\n", fault.what());
            status = 1;
        }
    }
    shell::SetMessageHandler({});
    return status;
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
    return RunJob(parsed.job);
}

const bool registered = cli::registerSubcommand({
    "render",
    cli::render::kSynopsis,
    kSummaryZh,
    kSummaryEn,
    RunRender,
});

}  // namespace
