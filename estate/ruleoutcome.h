#pragma once

#include <QString>

namespace estate {

// The answer of a business rule that writes: done, refused by a check (with
// the message to show, its message kind and the input that gets the focus),
// or failed in the database (the message to show after the rollback).
struct RuleOutcome {
    enum Status { Done, Refused, Failed };

    Status status = Done;
    QString message;
    int kind = 0;        // message kind for ShowMess
    QString focus;       // objectName of the input concerned, if any
    int id = 0;          // F_ID of the row written, where known

    bool isDone() const { return status == Done; }

    static RuleOutcome done(int id = 0)
    {
        RuleOutcome o;
        o.id = id;
        return o;
    }
    static RuleOutcome refused(const QString &message, int kind, const QString &focus = QString())
    {
        RuleOutcome o;
        o.status = Refused;
        o.message = message;
        o.kind = kind;
        o.focus = focus;
        return o;
    }
    static RuleOutcome failed(const QString &message)
    {
        RuleOutcome o;
        o.status = Failed;
        o.message = message;
        o.kind = 3;
        return o;
    }
};

}  // namespace estate
