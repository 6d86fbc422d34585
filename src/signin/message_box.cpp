#include "signin/message_box.h"

#include "signin/login_panel.h"
#include "signin/message_seam.h"
#include "signin/msg_form.h"

#include <QPushButton>

namespace {

int show(const QString &title, const QString &text, TMsgForm1::Icon icon)
{
    if (const std::optional<int> answer = answerWithoutWindow(title, text))
        return *answer;
    TMsgForm1 form(TMsgForm1::defaultParent());
    form.setTitle(title);
    form.Panel2->hide();
    form.setMessage(text);
    form.setIcon(icon);
    if (icon == TMsgForm1::Icon::Question) {
        form.BitBtn3->hide();
    } else {
        form.BitBtn1->hide();
        form.BitBtn2->hide();
    }
    form.exec();
    return form.Tag;
}

} // namespace

int MsgInfo(const QString &text)
{
    return show(QStringLiteral("提示"), text, TMsgForm1::Icon::Information);
}

int MsgConfirm(const QString &text)
{
    return show(QStringLiteral("确认"), text, TMsgForm1::Icon::Question);
}
