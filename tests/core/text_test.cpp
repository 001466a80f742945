#include "core/text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <string>
#include <vector>

#include "programs/descriptor.h"
#include "programs/dialog_template.h"
#include "programs/ombra/tables.h"
#include "programs/quirn/tables.h"
#include "programs/velto/tables.h"

namespace tessaly {
namespace {

// The CP932 bytes of a UTF-8 text, or -1 where the text has no CP932 form.
int cp932_bytes(const char* utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return -2;
  std::string in(utf8);
  std::vector<char> out(in.size() * 2 + 8);
  char* src = in.data();
  char* dst = out.data();
  size_t src_left = in.size();
  size_t dst_left = out.size();
  const size_t status = iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  if (status == static_cast<size_t>(-1)) return -1;
  return static_cast<int>(out.size() - dst_left);
}

void expect_fits(const char* text, int capacity, const std::string& where) {
  const int bytes = cp932_bytes(text);
  ASSERT_GE(bytes, 0) << where << ": \"" << text << "\" has no CP932 form";
  EXPECT_EQ(sjis_length(text), bytes) << where << ": \"" << text << "\"";
  EXPECT_LT(bytes, capacity) << where << ": \"" << text << "\" leaves no room for its NUL";
}

TEST(Text, ShiftJisLengthAgreesWithIconv) {
  for (const char* text : {"", "abc", "ｲﾝﾀﾞｸﾀﾝｽ[H]", "容量 [F]", "抵抗［Ω］", "｜Ｚ｜ ［Ω］",
                           "→ Ｘ： 5 ms  / div", "－＞Ｘ", "ｷｬﾝｾﾙ", "ＭＳ Ｐゴシック"}) {
    EXPECT_EQ(sjis_length(text), cp932_bytes(text)) << text;
  }
}

TEST(Text, EveryProgramTextFitsItsShiftJisBuffer) {
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    const std::string name = program->display_name;
    for (int i = 0; i < program->circuit_name_count; ++i) {
      expect_fits(program->circuit_names[i], 53, name + " circuit name");
    }
    for (int i = 0; i < program->analysis_name_count; ++i) {
      expect_fits(program->analysis_names[i], 53, name + " analysis name");
    }
    // Every title the menus can select fits the 60-byte title buffer.
    for (int c = 1; c < program->circuit_name_count; ++c) {
      for (int a = 1; a < program->analysis_name_count; ++a) {
        const std::string title =
            std::string(program->circuit_names[c]) + program->analysis_names[a];
        expect_fits(title.c_str(), 60, name + " title");
      }
    }
    expect_fits(program->tag, 56, name + " tag");
    const Menu& menu = *program->menu;
    for (int p = 0; p < menu.popup_count; ++p) {
      expect_fits(menu.popups[p].text, 256, name + " menu");
      for (int i = 0; i < menu.popups[p].item_count; ++i) {
        expect_fits(menu.popups[p].items[i].text, 256, name + " menu item");
      }
    }
  }
  for (int i = 1; i < 4; ++i) {
    expect_fits(quirn::element_captions[i], 20, "Quirn element caption");
    expect_fits(quirn::element_units[i], 20, "Quirn element unit");
  }
  for (const DialogTemplate* dialog : {&circuit_constants_dialog, &lc_circuit_constants_dialog,
                                       &graph_constants_dialog, &magnification_dialog}) {
    expect_fits(dialog->caption, 256, dialog->name);
    for (int i = 0; i < dialog->control_count; ++i) {
      expect_fits(dialog->controls[i].text, 256, dialog->name);
    }
  }
}

TEST(Text, TablesKeepTheirTrailingBlanks) {
  EXPECT_STREQ(quirn::circuit_names[4], "Ｒ、Ｃ、Ｌ素子  ");
  EXPECT_STREQ(velto::circuit_names[0], "ＬＣ素子の周波数特性　");
  EXPECT_STREQ(ombra_program().menu->popups[6].text, "説明　　 　");
  EXPECT_STREQ(quirn_program().menu->popups[0].text, "ファイル    ");
  EXPECT_EQ(std::string(ombra::circuit_names[1]) + ombra::analysis_names[1],
            "並列ＬＣＲ回路１インピーダンス周波数特性");
}

TEST(Text, CopyNeverSplitsACharacter) {
  char buffer[8];
  copy_text(buffer, sizeof buffer, "ab容量");  // 2 + 3 + 3 bytes: the second kanji cannot fit
  EXPECT_STREQ(buffer, "ab容");
  append_text(buffer, sizeof buffer, "x");
  EXPECT_STREQ(buffer, "ab容x");
  append_text(buffer, sizeof buffer, "yz");
  EXPECT_STREQ(buffer, "ab容xy");
}

}  // namespace
}  // namespace tessaly
