// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one kind of error the program reports to the user: a message and nothing else.

#include <QString>
#include <exception>
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

// What the user is shown of an error the program did not foresee (std::bad_alloc,
// any other std::exception, anything else thrown): that an internal error
// happened, then the error's own text where it has one. The handler and the
// entry function, which both catch such errors, show the same words.
Exception InternalError(const std::exception_ptr& error);
