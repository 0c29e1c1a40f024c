// The definition table of the main window, checked against the layout the program promises.
#include <gtest/gtest.h>

#include <QString>
#include <cstring>

#include "ui/text_boundary.h"
#include "ui/window_definition.h"

namespace quillorn::ui {
namespace {

struct Expected {
  const char* name;  // UTF-8
  ControlKind kind;
  int left, top, width, height;
  bool tab_stop;
  const char* text;  // UTF-8; nullptr for an edit box
};

constexpr auto kBox = ControlKind::kEditBox;
constexpr auto kLabel = ControlKind::kLabel;

const char kNote[] =
    "注意：输入数据必须符合以下规定【概率1＞概率4 ，概率2 概率3 ＞概率5 概率6】\r\n\r\n"
    "软件参考来源：Varendt老师系列视频：教你足球彩票对冲100%套利【仅供娱乐】\r\n\r\n"
    "禁止使用本软件进行非法活动，本软件仅进行算法数据测试，不负任何法律责任";

const Expected kTable[] = {
    {"编辑框1", kBox, 64, 40, 80, 32, true, nullptr},
    {"编辑框2", kBox, 160, 40, 80, 32, true, nullptr},
    {"编辑框3", kBox, 256, 40, 80, 32, true, nullptr},
    {"编辑框4", kBox, 368, 40, 80, 32, true, nullptr},
    {"按钮1", ControlKind::kButton, 360, 176, 104, 40, true, "理论对冲"},
    {"编辑框5", kBox, 64, 112, 80, 32, true, nullptr},
    {"编辑框6", kBox, 160, 112, 80, 32, true, nullptr},
    {"编辑框7", kBox, 256, 112, 80, 32, true, nullptr},
    {"编辑框8", kBox, 368, 112, 80, 32, true, nullptr},
    {"编辑框9", kBox, 64, 184, 80, 32, true, nullptr},
    {"编辑框10", kBox, 160, 184, 80, 32, true, nullptr},
    {"编辑框11", kBox, 256, 184, 80, 32, true, nullptr},
    {"标签1", kLabel, 72, 8, 64, 24, false, "概率1"},
    {"标签2", kLabel, 168, 8, 64, 24, false, "概率2"},
    {"标签3", kLabel, 264, 8, 64, 24, false, "概率3"},
    {"标签4", kLabel, 72, 80, 64, 24, false, "概率4"},
    {"标签5", kLabel, 168, 80, 64, 24, false, "概率5"},
    {"标签6", kLabel, 264, 80, 64, 24, false, "概率6"},
    {"标签7", kLabel, 376, 8, 64, 24, false, "返还概率1"},
    {"标签8", kLabel, 376, 80, 64, 24, false, "返还概率2"},
    {"标签9", kLabel, 8, 48, 48, 24, false, "1组"},
    {"标签10", kLabel, 8, 120, 48, 24, false, "2组"},
    {"标签11", kLabel, 8, 184, 56, 24, false, "对冲"},
    {"标签12", kLabel, 72, 152, 64, 24, false, "结果1"},
    {"标签13", kLabel, 168, 152, 64, 24, false, "结果2"},
    {"标签14", kLabel, 264, 152, 64, 24, false, "结果3"},
    {"标签15", kLabel, 16, 240, 448, 72, false, kNote},
};

QString Decoded(const char* cp936) { return FromCodePage936(cp936); }

TEST(WindowDefinitionTest, MainWindowSettings) {
  const WindowDefinition* main = FindWindowDefinition(StoredWindowDefinitions(), 0x52010001);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main, &MainWindowDefinition());
  EXPECT_STREQ(main->caption, "Quillorn");
  EXPECT_EQ(main->width, 483);
  EXPECT_EQ(main->height, 366);
  EXPECT_TRUE(main->sizable);
  EXPECT_TRUE(main->minimize_button);
  EXPECT_FALSE(main->maximize_button);
  EXPECT_TRUE(main->esc_closes);
  EXPECT_TRUE(IsWellFormed(*main));
  EXPECT_EQ(FindWindowDefinition(StoredWindowDefinitions(), 0x52010002), nullptr);
}

TEST(WindowDefinitionTest, ControlsInCreationOrder) {
  const auto controls = MainWindowDefinition().controls;
  ASSERT_EQ(controls.size(), std::size(kTable));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDefinition& c = controls[i];
    const Expected& e = kTable[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(Decoded(c.name), QString::fromUtf8(e.name));
    EXPECT_EQ(c.kind, e.kind);
    EXPECT_EQ(c.left, e.left);
    EXPECT_EQ(c.top, e.top);
    EXPECT_EQ(c.width, e.width);
    EXPECT_EQ(c.height, e.height);
    EXPECT_EQ(c.tab_stop, e.tab_stop);
    EXPECT_TRUE(c.visible && c.enabled);
    EXPECT_EQ(c.tab_order, 0);
    if (e.text == nullptr) {
      EXPECT_EQ(c.text, nullptr);
    } else {
      EXPECT_EQ(Decoded(c.text), QString::fromUtf8(e.text));
    }
    const bool read_only = std::strcmp(e.name, "编辑框4") == 0 ||
                           (e.kind == kBox && std::atoi(e.name + std::strlen("编辑框")) >= 8);
    EXPECT_EQ(c.read_only, read_only);
    EXPECT_EQ(c.click, e.kind == ControlKind::kButton ? Handler::kCalculateHedge : Handler::kNone);
    EXPECT_EQ(c.alignment, std::strcmp(e.name, "标签15") == 0 ? TextAlignment::kLeft
                                                              : TextAlignment::kCentre);
  }
}

TEST(WindowDefinitionTest, NoTwoControlsOverlapAndAllFitTheClientArea) {
  const auto controls = MainWindowDefinition().controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& a = controls[i];
    EXPECT_LE(a.left + a.width, 464);
    EXPECT_LE(a.top + a.height, 312);
    for (std::size_t j = 0; j < i; ++j) {
      const auto& b = controls[j];
      const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                         a.top + a.height <= b.top || b.top + b.height <= a.top;
      EXPECT_TRUE(apart) << i << " overlaps " << j;
    }
  }
}

TEST(WindowDefinitionTest, MalformedDefinitionsAreRefused) {
  const ControlDefinition good = MainWindowDefinition().controls[0];
  ControlDefinition twice[] = {good, good};
  EXPECT_FALSE(IsWellFormed({1, "w", 10, 10, true, true, false, true, twice}));
  ControlDefinition unnamed[] = {good};
  unnamed[0].name = "";
  EXPECT_FALSE(IsWellFormed({1, "w", 10, 10, true, true, false, true, unnamed}));
  ControlDefinition textless_label[] = {MainWindowDefinition().controls[12]};
  textless_label[0].text = nullptr;
  EXPECT_FALSE(IsWellFormed({1, "w", 10, 10, true, true, false, true, textless_label}));
  EXPECT_FALSE(IsWellFormed({1, nullptr, 10, 10, true, true, false, true, {}}));
  EXPECT_FALSE(IsWellFormed({1, "w", 0, 10, true, true, false, true, {}}));
}

}  // namespace
}  // namespace quillorn::ui
