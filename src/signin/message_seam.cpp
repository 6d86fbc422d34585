#include "signin/message_seam.h"

namespace {
MessageAnswerer &installed()
{
    static MessageAnswerer answerer;
    return answerer;
}
} // namespace

void setMessageAnswerer(MessageAnswerer answerer)
{
    installed() = std::move(answerer);
}

std::optional<int> answerWithoutWindow(const QString &title, const QString &text)
{
    if (!installed())
        return std::nullopt;
    return installed()(title, text);
}
