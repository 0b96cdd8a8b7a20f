#include "tests/e2e/driver/dialogs.h"

#include "tests/e2e/driver/check.h"

namespace veltrano::e2e {

DialogWindow open_operation(const Program& program, const OperationDialog& operation) {
  wait_for_dialog(program, kMainCaption).press(operation.button);
  return wait_for_dialog(program, operation.caption);
}

std::string label_of(Closing closing) {
  constexpr const char* kLabels[] = {"its button", "Esc", "Enter", "close box"};
  return kLabels[static_cast<int>(closing)];
}

void close_dialog(DialogWindow& dialog, Closing closing, int button) {
  switch (closing) {
    case Closing::kButton:
      return dialog.press(button);
    case Closing::kEscape:
      return dialog.press_escape();
    case Closing::kEnter:
      return dialog.press_enter();
    case Closing::kCloseBox:
      return dialog.close_box();
  }
}

void quit(const Program& program) {
  wait_for_dialog(program, kMainCaption).press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
}

}  // namespace veltrano::e2e
