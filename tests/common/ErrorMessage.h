// The message of the error of type Error that an action raises, for tests that
// compare documented error texts.
#pragma once
#include <functional>
#include <string>

template <typename Error>
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(nothing raised)";
}
