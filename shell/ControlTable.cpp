// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ControlTable.h"

#include <cmath>
#include <cstring>

#include "texts/Texts.h"

namespace shell {
namespace {

using K = ControlKind;
constexpr QRgb kBlueText = qRgb(0, 0, 255);
constexpr QRgb kRedText = qRgb(255, 0, 0);

// "对数函数：y = Log  x", 19 blanks, "a": the caption wraps so that a stands under Log.
const char* const kLogCaption = "对数函数：y = Log  x                   a";

}  // namespace

const std::vector<ControlLayout>& MainWindowControls() {
    static const std::vector<ControlLayout> controls = {
        {"cmd连点成线", K::Button, "连点成线", 7515, 9480, 980, 375},
        {"Text4_5", K::TextBox, "2", 4560, 9480, 375, 270, 0, kBlueText},
        {"cmd坐标系2", K::Button, "坐标系2", 7540, 7880, 980, 375},
        {"Text4_4", K::TextBox, "0", 3480, 9480, 375, 270, 0, kBlueText},
        {"cmd测试", K::Button, "测试", 2880, 7800, 735, 255, 0, {}, true},
        {"Picture4", K::Picture, "", 120, 8400, 2535, 1455, 0, kBlueText},
        {"cmd帮助", K::Button, "?", 4800, 8355, 495, 295, 12},
        {"Combo1", K::Combo, "Combo1", 2880, 8640, 4575, 360, 12, kBlueText},
        {"Command2", K::Button, "退出(关闭)作图器", 8660, 9480, 2415, 375},
        {"Text4_3", K::TextBox, "5", 5160, 9120, 375, 270, 0, kBlueText},
        {"Text4_2", K::TextBox, "-5", 4320, 9120, 375, 270, 0, kBlueText},
        {"Text4_1", K::TextBox, "5", 3720, 9120, 375, 270, 0, kBlueText},
        {"Text4_0", K::TextBox, "-5", 2880, 9120, 375, 270, 0, kBlueText},
        {"cmd取消", K::Button, "取消绘制", 7515, 9075, 980, 375},
        {"txt表达式", K::TextBox, "！！", 5520, 8280, 2055, 255, 0, {}, true},
        {"cmd绘制图像", K::Button, "绘制图像", 7515, 8640, 980, 375},
        {"Picture3", K::Picture, "", 10800, 1320, 495, 375, 0, {}, true},
        {"cmd网格线", K::Button, "网格线", 3600, 7800, 690, 255, 0, {}, true},
        {"mihanshu1", K::Button, "幂函数1：y=x^a    ", 8640, 5640, 2415, 440},
        {"Command4", K::Button, "复制图像", 4480, 7880, 980, 375},
        {"line", K::Button, "直线：y=ax+b", 8640, 1815, 2415, 440},
        {"yuqie", K::Button, "余切函数：y=a*cot(b*x)", 10560, 7965, 1215, 440, 0, {}, true},
        {"cmd坐标系1", K::Button, "坐标系1", 6520, 7880, 980, 375},
        {"zhengqie", K::Button, "正切函数：y=a*tan(b*x)", 8640, 7080, 2415, 440},
        {"mihanshu2", K::Button, "幂函数2：y=x^(a/b)", 8640, 6120, 2415, 440},
        {"zhishu", K::Button, "指数函数：y=a^x ", 8640, 5145, 2415, 440},
        {"duishu", K::Button, kLogCaption, 8640, 4665, 2415, 440},
        {"fanbili", K::Button, "反比例函数：y=a/x", 8640, 4185, 2415, 440},
        {"qinnchu", K::Button, "清除", 5500, 7880, 980, 375},
        {"yuxian", K::Button, "余弦函数：y=a*cos(b*x)", 8640, 7575, 2415, 440},
        {"zhengxian", K::Button, "正弦函数：y=a*sin(b*x)", 8640, 6600, 2415, 440},
        {"shuang2", K::Button, "双曲线2：(y/a)^2-(x/b)^2=1", 8640, 3705, 2415, 440},
        {"shuang1", K::Button, "双曲线1：(x/a)^2-(y/b)^2=1", 8640, 3225, 2415, 440},
        {"paowu", K::Button, "抛物线：y=ax^2+b", 8640, 2280, 2415, 440},
        {"Picture2", K::Picture, "", 8640, 120, 2415, 1200},
        {"Text2", K::TextBox, "3", 9480, 1440, 495, 275, 10.5},
        {"Text1", K::TextBox, "2", 8760, 1440, 495, 275, 10.5},
        {"Picture1", K::Picture, "", 120, 120, 8400, 7680},
        {"tuoyuan", K::Button, "椭圆：(x/a)^2+(y/b)^2=1", 8640, 2745, 2415, 440},
        {"Label12", K::Label, "刚绘制完的图像若显示为明显离散的点单击→", 5680, 9480, 1815, 375},
        {"Label11", K::Label, "方法2", 10080, 1560, 615, 255, 10.5, kRedText},
        {"Label10", K::Label, "方法1", 6480, 8400, 615, 255, 10.5, kRedText},
        {"Label9", K::Label, "π≤t≤", 3840, 9510, 735, 240, 0, kBlueText},
        {"Label8", K::Label, "π", 4935, 9510, 255, 240, 0, kBlueText},
        {"Image1", K::Image, "", 75, 7900, 1650, 240},
        {"Label7", K::Label, "V 2016.02.25c", 120, 8120, 1575, 255, 10.5},
        {"Label6_1", K::Label, "≤y≤", 4680, 9150, 495, 240, 0, kBlueText},
        {"Label6_0", K::Label, "≤x≤", 3240, 9150, 495, 240, 0, kBlueText},
        {"Label5", K::Label, texts::kStatusIdle, 5760, 9120, 1695, 285, 10.5},
        {"Label4",
         K::Label,
         "\n两种画法，方法1通用性强，但慢；方法2的通用性差，但快。",
         8660,
         8400,
         2400,
         975,
         10.5,
         {},
         false,
         true},
        {"Label3", K::Label, "请输入函数方程：", 2880, 8385, 1935, 255, 10.5},
        {"lblCoordinates", K::Label, "坐标", 2040, 7920, 2775, 375, 10.5},
        {"Label2", K::Label, "b", 9360, 1440, 135, 270, 10.5},
        {"Label1", K::Label, "a", 8640, 1440, 135, 270, 10.5},
    };
    return controls;
}

const ControlLayout* FindControlLayout(const char* name) {
    for (const auto& layout : MainWindowControls()) {
        if (std::strcmp(layout.name, name) == 0) return &layout;
    }
    return nullptr;
}

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect TwipsRect(const ControlLayout& layout) {
    return {TwipsToPixels(layout.left), TwipsToPixels(layout.top), TwipsToPixels(layout.width),
            TwipsToPixels(layout.height)};
}

}  // namespace shell
