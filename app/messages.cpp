#include "app/messages.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>

namespace {

// Shows the request in a QMessageBox; Escape or the close box count as "no".
class DialogPresenter : public MessagePresenter {
public:
    int present(const MessageRequest &request) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setText(request.text);
        box.setWindowTitle(request.caption.isEmpty() ? QApplication::applicationDisplayName()
                                                     : request.caption);
        if (request.buttons == MessageRequest::Buttons::OkCancel) {
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            return box.exec() == QMessageBox::Ok ? AnswerYes : AnswerNo;
        }
        switch (request.kind) {
        case MessQuestion:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
            box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
            box.setEscapeButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
        case MessWarning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessError:
            box.setIcon(QMessageBox::Critical);
            break;
        default:
            box.setIcon(QMessageBox::Information);
            break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
        box.exec();
        return AnswerYes;
    }
};

DialogPresenter g_dialogPresenter;
MessagePresenter *g_presenter = &g_dialogPresenter;

}  // namespace

MessagePresenter *setMessagePresenter(MessagePresenter *presenter)
{
    MessagePresenter *previous = g_presenter;
    g_presenter = presenter ? presenter : &g_dialogPresenter;
    return previous;
}

int ShowMess(const QString &text, int kind)
{
    MessageRequest request;
    request.text = text;
    request.kind = kind;
    const int answer = g_presenter->present(request);
    if (kind != MessQuestion)
        return answer;
    return answer == AnswerYes ? AnswerYes : AnswerNo;
}

bool AskOkCancel(const QString &caption, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.kind = MessQuestion;
    request.caption = caption;
    request.buttons = MessageRequest::Buttons::OkCancel;
    return g_presenter->present(request) == AnswerYes;
}

void ShowErrorBox(const QString &caption, const QString &text)
{
    MessageRequest request;
    request.text = text;
    request.kind = MessError;
    request.caption = caption;
    g_presenter->present(request);
}
