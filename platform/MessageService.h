#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

/// Titles the tool's message boxes carry. An empty title stands for the
/// application's name.
namespace MessageTitle {
inline constexpr const char* Tips = "KRT提示信息 ";
inline constexpr const char* KrtTips = "KRT Tips";
inline constexpr const char* Application = "";
} // namespace MessageTitle

struct Message
{
    Message() = default;
    Message(std::string text, std::string title, MessageIcon icon, MessageButtons buttons, std::string detail = {})
        : text(std::move(text)), title(std::move(title)), icon(icon), buttons(buttons), detail(std::move(detail))
    {
    }

    std::string text; // bytes in the system's 8-bit encoding
    std::string title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    /// The cause behind the text (a system error, what a program said), for
    /// the user who asks; the text itself stays as the tool always words it.
    std::string detail;
};

/// The one way the tool speaks to the user: every report is a modal message
/// with an icon and OK or OK/Cancel.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const Message& message) = 0;

    MessageAnswer error(const std::string& text, const std::string& title = MessageTitle::Tips);
    MessageAnswer warning(const std::string& text, const std::string& title = MessageTitle::Tips);
    MessageAnswer information(const std::string& text, const std::string& title = MessageTitle::Tips);
    MessageAnswer question(const std::string& text, const std::string& title = MessageTitle::Tips);
};

/// Keeps every message and answers the OK/Cancel ones from a script (OK
/// once the script is used up). For tests and for front ends without a window.
class RecordingMessageService : public MessageService
{
public:
    MessageAnswer show(const Message& message) override;

    void answerNext(MessageAnswer answer) { m_script.push_back(answer); }
    [[nodiscard]] const std::vector<Message>& shown() const { return m_shown; }
    [[nodiscard]] std::vector<std::string> texts() const;
    void clear() { m_shown.clear(); }

private:
    std::vector<Message> m_shown;
    std::deque<MessageAnswer> m_script;
};
