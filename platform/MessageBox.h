// Modal message boxes: every message of the program goes through ShowMessage,
// so that tests can intercept it (record the text, caption and icon) and no
// test ever blocks on a modal dialog.
#pragma once

#include <functional>
#include <string>

enum class MsgIcon { None, Information, Warning, Error, Question };
// Windows' naming: "exclamation" is the warning icon.
constexpr MsgIcon MsgExclamation = MsgIcon::Warning;

enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageRecord {
    std::string text;     // UTF-8, exactly as shown (trailing blanks kept)
    std::string caption;  // UTF-8
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

// Shows a modal box and returns the button that closed it.
MsgResult ShowMessage(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok);

// While an interceptor is set, ShowMessage hands it the message instead of
// showing a window and returns what it answers.  Pass nullptr to remove it.
using MessageInterceptor = std::function<MsgResult(const MessageRecord&)>;
void SetMessageInterceptor(MessageInterceptor interceptor);
