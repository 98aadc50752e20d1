#pragma once

#include <QString>

// Message boxes of the whole program. Every box goes through one presenter,
// so that tests can answer them; the default presenter shows a real dialog.

enum MessageKind { MessInformation = 0, MessQuestion = 1, MessWarning = 2, MessError = 3 };

// Answers of a question: 1 for yes (or OK), 2 for no, cancel or a closed box.
enum MessageAnswer { AnswerYes = 1, AnswerNo = 2 };

struct MessageRequest {
    enum class Buttons { ByKind, OkCancel };

    QString text;
    int kind = MessInformation;
    QString caption;                   // empty: the program's title
    Buttons buttons = Buttons::ByKind;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the request and returns 1 or 2 (only questions care).
    virtual int present(const MessageRequest &request) = 0;
};

// Replaces the presenter; nullptr brings back the dialog presenter. Returns the previous one.
MessagePresenter *setMessagePresenter(MessagePresenter *presenter);

// Shows text by kind (0 information, 1 question, 2 warning, 3 error) and
// returns the answer: 1 yes, 2 no; closing a question without answering gives 2.
int ShowMess(const QString &text, int kind);

// A standard question box with OK and Cancel; true unless the user cancelled.
bool AskOkCancel(const QString &caption, const QString &text);

// A standard error box with its own caption.
void ShowErrorBox(const QString &caption, const QString &text);
