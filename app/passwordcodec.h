#pragma once

#include <QString>

class QRandomGenerator;

// The stored form of passwords, kept in Config.ini for the database login and
// in the operator table: the hex digits of the UTF-8 bytes, reversed, each
// preceded by a random filler character and followed by a final one. It only
// keeps a password from being read at a glance; it is no protection.
class PasswordCodec {
public:
    // The stored form of a clear password; empty for an empty password. Every
    // byte gives two hex digits, so that bytes below 16 survive the round trip.
    static QString encode(const QString &clear, QRandomGenerator *random = nullptr);
    // The clear password of a stored form. Never fails: characters that are
    // not hex digits count as 0.
    static QString decode(const QString &stored);
    // The 94 printable characters the fillers are drawn from.
    static QString fillerTable();
};

// The names the rest of the program uses.
inline QString GetPass(const QString &stored) { return PasswordCodec::decode(stored); }
inline QString SavePass(const QString &clear) { return PasswordCodec::encode(clear); }
