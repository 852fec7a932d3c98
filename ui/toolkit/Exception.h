// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one kind of error the program reports to the user: a message and nothing else.

#include <QString>
#include <utility>

class Exception {
public:
    explicit Exception(QString message) : message_(std::move(message)) {}
    virtual ~Exception() = default;

    const QString& Message() const { return message_; }

private:
    QString message_;
};

// A text that should have held a whole number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
