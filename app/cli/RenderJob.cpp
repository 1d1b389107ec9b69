// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderJob.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <optional>
#include <string_view>

#include "canvas/View.h"
#include "presets/Presets.h"
#include "texts/Texts.h"

namespace cli::render {

const char* const kSynopsis =
    "[--a TEXT] [--b TEXT] [--x|--y|--t FROM,TO] [--draw EQUATION] [--preset NAME] "
    "[--join|--coord1|--coord2|--grid|--clear|--test|--undo|--redo|--equal-units]... "
    "[--view X0,X1,Y0,Y1] [--size W,H] "
    "[--png|--svg|--points|--formula|--legend|--key-points FILE|-]... [--status] [--scale N]";

size_t StandardOutputUses(const Job& job,
                          const std::function<bool(const std::string&)>& namesStandardOutput) {
    return size_t(std::count_if(job.outputs.begin(), job.outputs.end(), [&](const Output& o) {
        return o.kind == Output::Status || namesStandardOutput(o.path);
    }));
}

namespace {

struct BoxOption {
    std::string_view option;
    const char* box;
};
constexpr std::array kBoxOptions{BoxOption{"--a", "Text1"}, BoxOption{"--b", "Text2"}};

// A range option sets the pair of range boxes that starts at this index.
struct RangeOption {
    std::string_view option;
    int firstBox;
};
constexpr std::array kRangeOptions{RangeOption{"--x", 0}, RangeOption{"--y", 2},
                                   RangeOption{"--t", 4}};

struct PressOption {
    std::string_view option;
    const char* button;
};
constexpr std::array kPressOptions{
    PressOption{"--join", "cmd连点成线"},  PressOption{"--coord1", "cmd坐标系1"},
    PressOption{"--coord2", "cmd坐标系2"}, PressOption{"--grid", "cmd网格线"},
    PressOption{"--clear", "qinnchu"},     PressOption{"--test", "cmd测试"}};

constexpr std::array kTriggerOptions{PressOption{"--undo", "undo"}, PressOption{"--redo", "redo"},
                                     PressOption{"--colors", "multicolour"},
                                     PressOption{"--light-grid", "lightGrid"}};

struct FileOption {
    std::string_view option;
    Output::Kind kind;
};
constexpr std::array kFileOptions{
    FileOption{"--png", Output::Png},       FileOption{"--svg", Output::Svg},
    FileOption{"--points", Output::Points}, FileOption{"--formula", Output::Formula},
    FileOption{"--legend", Output::Legend}, FileOption{"--key-points", Output::KeyPoints},
    FileOption{"--pdf", Output::Pdf}};

template <typename Table>
auto Find(const Table& table, std::string_view option) -> const typename Table::value_type* {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [option](const auto& entry) { return entry.option == option; });
    return it == table.end() ? nullptr : &*it;
}

bool TakesValue(std::string_view option) {
    return Find(kBoxOptions, option) || Find(kRangeOptions, option) || Find(kFileOptions, option) ||
           option == "--draw" || option == "--preset" || option == "--scale" ||
           option == "--view" || option == "--size";
}

// A separate argument that cannot be the value of the option before it.
bool LooksLikeOption(std::string_view argument) {
    return argument.rfind("--", 0) == 0 || argument == "-h";
}

// A whole number from 200 to 4000 that fills the text.
std::optional<int> CanvasSide(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 200 || value > 4000)
        return std::nullopt;
    return value;
}

bool IsKnownPreset(std::string_view name) {
    const auto& names = presets::PresetNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Reads the arguments one option at a time; the first fault ends the parse.
class Parser {
  public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    Parsed run() {
        for (next_ = 0; next_ < args_.size() && parsed_.error.empty() && !parsed_.help;)
            takeOption(args_[next_++]);
        if (parsed_.error.empty() && !parsed_.help) requireStepsAndOutputs();
        for (Output& output : parsed_.job.outputs)
            if (output.kind == Output::Png) output.scale = scale_;
        return std::move(parsed_);
    }

  private:
    // The first error wins: it is the one the user made first.
    void fail(const texts::Bilingual& text, std::initializer_list<std::string_view> args = {}) {
        if (parsed_.error.empty()) parsed_.error = texts::Fill(text, args);
    }

    // The option's value: after '=' in the same argument, or the next argument unless that
    // looks like an option itself.
    std::optional<std::string> value(std::string_view option, std::optional<std::string> given) {
        if (given) return given;
        const std::string name(option);
        if (next_ < args_.size() && !LooksLikeOption(args_[next_])) return args_[next_++];
        if (next_ < args_.size()) {
            fail(texts::kCliValueLooksLikeOption, {name, args_[next_]});
        } else {
            fail(texts::kCliMissingValue, {name});
        }
        return std::nullopt;
    }

    // One option with its value, if it takes one; "--help" ends the parse.
    void takeOption(const std::string& argument) {
        if (argument == "--help" || argument == "-h") {
            parsed_.help = true;
            return;
        }
        std::string_view option = argument;
        std::optional<std::string> inlineValue;
        if (const auto eq = argument.find('=');
            argument.rfind("--", 0) == 0 && eq != argument.npos) {
            option = std::string_view(argument).substr(0, eq);
            inlineValue = argument.substr(eq + 1);
            if (!TakesValue(option)) {
                if (Find(kPressOptions, option) || Find(kTriggerOptions, option) ||
                    option == "--status" || option == "--equal-units")
                    return fail(texts::kCliTakesNoValue, {option});
                return fail(texts::kCliUnknownOption, {option});
            }
        }
        if (!TakesValue(option)) return takeFlag(argument);
        if (const auto text = value(option, inlineValue)) takeValued(option, *text);
    }

    // An option without a value: a button press or the status output.
    void takeFlag(const std::string& option) {
        if (const auto* press = Find(kPressOptions, option)) {
            parsed_.job.steps.push_back({Step::Press, press->button, {}});
        } else if (const auto* trigger = Find(kTriggerOptions, option)) {
            parsed_.job.steps.push_back({Step::Trigger, trigger->button, {}});
        } else if (option == "--status") {
            addOutput(Output::Status, {});
        } else if (option == "--equal-units") {
            parsed_.job.steps.push_back({Step::EqualUnits, {}, {}});
        } else if (option.rfind("-", 0) == 0) {
            fail(texts::kCliUnknownOption, {option});
        } else {
            fail(texts::kCliUnexpectedArgument, {option});
        }
    }

    // An option with its value: box texts, ranges, equation, preset, output files.
    void takeValued(std::string_view option, const std::string& text) {
        auto& steps = parsed_.job.steps;
        if (const auto* box = Find(kBoxOptions, option)) {
            steps.push_back({Step::SetBoxText, box->box, text});
        } else if (const auto* range = Find(kRangeOptions, option)) {
            takeRange(*range, text);
        } else if (const auto* file = Find(kFileOptions, option)) {
            if (text.empty()) return fail(texts::kCliNeedsFileName, {option});
            addOutput(file->kind, text);
        } else if (option == "--scale") {
            if (text.size() != 1 || text[0] < '1' || text[0] > '4')
                return fail(texts::kCliScaleRange);
            scale_ = text[0] - '0';
        } else if (option == "--view") {
            if (!canvas::ParseView(text.c_str())) return fail(texts::kCliViewNeeds);
            steps.push_back({Step::SetView, {}, text});
        } else if (option == "--size") {
            takeSize(text);
        } else if (option == "--draw") {
            steps.push_back({Step::SetEquation, "Combo1", text});
            steps.push_back({Step::Press, "cmd绘制图像", {}});
        } else if (IsKnownPreset(text)) {
            steps.push_back({Step::Press, text, {}});
        } else {
            fail(texts::kCliUnknownPreset, {text});
        }
    }

    // FROM,TO: exactly one comma; either side may be empty, as a cleared box is.
    void takeRange(const RangeOption& range, const std::string& text) {
        const auto comma = text.find(',');
        if (comma == text.npos || text.find(',', comma + 1) != text.npos) {
            return fail(texts::kCliNeedsRange, {range.option});
        }
        for (int k = 0; k < 2; ++k) {
            parsed_.job.steps.push_back({Step::SetBoxText,
                                         "Text4_" + std::to_string(range.firstBox + k),
                                         k == 0 ? text.substr(0, comma) : text.substr(comma + 1)});
        }
    }

    // W,H: the canvas size, each side 200 to 4000 pixels.
    void takeSize(const std::string& text) {
        const auto comma = text.find(',');
        const auto width = CanvasSide(std::string_view(text).substr(0, comma));
        const auto height = comma == text.npos
                                ? std::nullopt
                                : CanvasSide(std::string_view(text).substr(comma + 1));
        if (!width || !height) return fail(texts::kCliSizeNeeds);
        parsed_.job.width = *width;
        parsed_.job.height = *height;
    }

    // An output comes after every step given so far.
    void addOutput(Output::Kind kind, const std::string& path) {
        parsed_.job.outputs.push_back({kind, path, parsed_.job.steps.size()});
    }

    void requireStepsAndOutputs() {
        const auto& outputs = parsed_.job.outputs;
        if (parsed_.job.steps.empty()) fail(texts::kCliNoStep);
        if (outputs.empty()) fail(texts::kCliNoOutput);
        const auto isDash = [](const std::string& path) { return path == "-"; };
        if (StandardOutputUses(parsed_.job, isDash) > 1) fail(texts::kCliOneStdout);
    }

    const std::vector<std::string>& args_;
    size_t next_ = 0;
    int scale_ = 1;
    Parsed parsed_;
};

}  // namespace

Parsed ParseArguments(const std::vector<std::string>& args) {
    return Parser(args).run();
}

}  // namespace cli::render
