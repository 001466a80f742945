#include "surface/room_state.h"
#include "surface/surface.h"

namespace tessaly::surface {

namespace {

const char* const kMessages[5] = {
    "ゼロまたは負は不可！！",
    "スケールオーバー  ！！",
    "２分法の変数範囲を変える！！",
    "グラフＸ軸スケールの設定不能　！！",
    "グラフＹ軸スケールの設定不能　！！",
};

int last_code = 0;
bool pending = false;

}  // namespace

void reset_error_state() {
  last_code = 0;
  pending = false;
}

const char* error_message(int code) {
  return code >= 1 && code <= 5 ? kMessages[code - 1] : nullptr;
}

// There is no console to write the message to or to wait on: the shell takes the code with
// take_pending_error() and shows error_message() itself, and the key wait ends at once.
int show_error(int code) {
  current_dc->error(code);
  last_code = code;
  pending = true;
  alert();
  alert();
  alert();
  return -1;
}

int last_error_code() {
  return last_code;
}

bool take_pending_error(int* code) {
  if (!pending) return false;
  pending = false;
  if (code) *code = last_code;
  return true;
}

}  // namespace tessaly::surface
