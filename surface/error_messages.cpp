#include "core/catalog.h"
#include "surface/surface.h"

namespace tessaly::surface {

namespace {

const char* const kMessages[5] = {
    N_("ゼロまたは負は不可！！"),
    N_("スケールオーバー  ！！"),
    N_("２分法の変数範囲を変える！！"),
    N_("グラフＸ軸スケールの設定不能　！！"),
    N_("グラフＹ軸スケールの設定不能　！！"),
};

}  // namespace

const char* error_message(int code) {
  return code >= 1 && code <= 5 ? kMessages[code - 1] : nullptr;
}

// There is no console to write the message to or to wait on: the shell takes the code with
// take_pending_error() and shows error_message() itself, and the key wait ends at once.
int Surface::show_error(int code) {
  current_dc->error(code);
  last_code_ = code;
  pending_ = true;
  alert();
  alert();
  alert();
  return -1;
}

bool Surface::take_pending_error(int* code) {
  if (!pending_) return false;
  pending_ = false;
  if (code) *code = last_code_;
  return true;
}

}  // namespace tessaly::surface
