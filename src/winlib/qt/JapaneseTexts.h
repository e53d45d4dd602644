// Internal to the Qt side of the layer: the toolkit's own texts (standard buttons, the colour
// and file dialogs, the edit fields' context menus) in Japanese, whatever the user's locale.
#pragma once

namespace winlib {

// Loads Qt's Japanese translation and, over it, the program's own wording of the standard
// buttons and of what that translation leaves out. Once per application object; called as the
// application object is made, whoever makes it.
void InstallJapaneseTexts();

// The standard buttons as the program's own forms caption them (UTF-8).
inline constexpr char kOkText[] = "OK";
inline constexpr char kCancelText[] = "キャンセル";
inline constexpr char kYesText[] = "はい";
inline constexpr char kNoText[] = "いいえ";

} // namespace winlib
