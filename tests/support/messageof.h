// The message of the error an action throws, for tests of bad input.
#pragma once

#include <QString>

namespace testing_support {

/// The message() of the \a Error that \a action throws, or "(no error)".
template <typename Error, typename Action>
QString messageOf(Action &&action)
{
    try {
        action();
    } catch (const Error &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace testing_support
